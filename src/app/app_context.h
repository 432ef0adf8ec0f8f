// The services every page and dialog of the window is given when it is made.
#pragma once

#include "app/bridge/message_boxes.h"
#include "app/shell.h"
#include "app/widgets/field_registry.h"
#include "app/window_state.h"
#include "catalogue/product_editor.h"
#include "engine/session.h"
#include "store/prompter.h"

namespace listrider::app {

/// References to what the main window owns for the whole program run.
struct AppContext
{
    engine::Session& session;         ///< the workspace as start-up opened it
    catalogue::ProductEditor& editor; ///< the open product, the model every page binds to
    MessageBoxes& boxes;              ///< modal messages and questions
    store::Prompter& prompter;        ///< the core's questions, shown as boxes
    WindowState& state;
    FieldRegistry& fields; ///< the editor fields' widgets, for blinking and quick help
    Shell& shell;

    const store::CodePage& CodePage() const { return session.Catalogue().codePage; }
};

} // namespace listrider::app
