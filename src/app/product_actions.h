// Product operations that several pages trigger.
#pragma once

namespace listrider::app {

struct AppContext;

/// Returns whether a product is open in the editor.
bool IsProductOpen(const AppContext& context);

/// Saves the open product ("Save Changes"), showing a refusal or a write error as a box.
/// Returns whether the product is saved (true when no product is open).
bool SaveChanges(AppContext& context);

} // namespace listrider::app
