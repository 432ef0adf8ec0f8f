// The PAD upload's progress panel on the terminal.
#pragma once

#include <iosfwd>

#include "companions/pad_upload.h"

namespace listrider::cli {

/// Prints each stage, and the progress bar when it passes a quarter.
class ConsoleUploadView final : public companions::PadUploadView
{
public:
    explicit ConsoleUploadView(std::ostream& out);

    void ShowStatus(std::string_view stage) override;
    void ShowProgress(int percent) override;

private:
    std::ostream& m_out;
    int m_shown = 0;
};

} // namespace listrider::cli
