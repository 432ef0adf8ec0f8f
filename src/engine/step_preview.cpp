#include "engine/step_preview.h"

#include "engine/macro_resolver.h"
#include "engine/value_mappings.h"

namespace listrider::engine {

store::Result<StepPreview> PreviewStep(RunValues& values, std::string_view stepFile)
{
    if (values.environment.table == nullptr) {
        return store::MakeError(store::ErrorKind::Internal, "The run has no site table");
    }
    const store::NarrowMacroResolver resolve = MacroResolverFor(values);
    const StepSources sources{*values.environment.table, values.environment.key, resolve};
    store::Result<LoadedStep> loaded = LoadStep(stepFile, sources, values.categories);
    if (!loaded) {
        return loaded.GetError();
    }
    PrepareStepValues(values);
    StepPreview preview;
    preview.step = std::move(loaded).Value();
    preview.names = preview.step.names;
    preview.values = preview.step.values;
    if (preview.step.IsWeb()) {
        preview.path = preview.step.path;
        ExpandOsMultiSelect(values, preview.names, preview.values);
        ExpandStepFields(values, preview.names, preview.values, preview.path);
    } else {
        preview.recipient = ExpandMacros(values, preview.step.recipient);
        for (std::string& line : preview.values) {
            line = ExpandMacros(values, line);
        }
    }
    preview.failure = values.failure;
    return preview;
}

} // namespace listrider::engine
