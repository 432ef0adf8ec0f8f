#include "app/product_actions.h"

#include <QString>

#include "app/app_context.h"
#include "app/bridge/text.h"
#include "catalogue/data_set.h"

namespace listrider::app {

using namespace Qt::StringLiterals;

bool IsProductOpen(const AppContext& context)
{
    return !context.editor.productName.empty() && context.editor.company.has_value();
}

bool SaveChanges(AppContext& context)
{
    if (!IsProductOpen(context)) {
        return true;
    }
    QWidget* window = context.shell.Window();
    if (context.state.readOnlyWorkspace) {
        context.boxes.Error(window,
                            u"The workspace cannot be written, so the changes of "_s +
                                FromStore(context.editor.productName, context.CodePage()) +
                                u" cannot be saved. Nothing on disk was changed."_s);
        return false;
    }
    store::Result<void> saved = catalogue::SaveProduct(context.editor, context.session.Catalogue());
    if (!saved) {
        const store::Error& error = saved.GetError();
        if (error.message == catalogue::kNameVersionMessage) {
            context.boxes.Inform(window, FromStore(error.message, context.CodePage()));
        } else {
            context.boxes.Error(window, FromStore(error.message, context.CodePage()));
        }
        return false;
    }
    return true;
}

} // namespace listrider::app
