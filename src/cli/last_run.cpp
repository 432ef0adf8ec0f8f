#include "cli/last_run.h"

#include "engine/result_folder.h"
#include "engine/run_lists_file.h"
#include "store/date_time.h"

namespace listrider::cli {

store::Result<LastRun> LoadLastRun(CatalogueSession& session, const catalogue::ProductEditor& editor)
{
    const std::filesystem::path& workspace = session.Workspace().Workspace();
    const std::string& name = editor.product.program.name;
    LastRun run;
    run.resultFolder =
        engine::ResultFolder(workspace, name, engine::GetNowDate(workspace, name, store::Today()));
    store::Result<engine::SubmissionState> lists = engine::LoadRunLists(run.resultFolder);
    if (!lists) {
        if (lists.GetError().kind == store::ErrorKind::NotFound) {
            return store::MakeError(store::ErrorKind::NotFound,
                                    "No submission of " + name + " " + editor.product.program.version +
                                        " in the last 31 days: run 'submit' first",
                                    run.resultFolder.string());
        }
        return lists.GetError();
    }
    run.state = std::move(lists.Value());
    return run;
}

} // namespace listrider::cli
