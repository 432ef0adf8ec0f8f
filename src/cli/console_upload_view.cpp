#include "cli/console_upload_view.h"

#include <ostream>

namespace listrider::cli {

ConsoleUploadView::ConsoleUploadView(std::ostream& out)
    : m_out(out)
{}

void ConsoleUploadView::ShowStatus(std::string_view stage)
{
    m_out << stage << std::endl;
}

void ConsoleUploadView::ShowProgress(int percent)
{
    const int quarter = (percent / 25) * 25;
    if (percent == 0) {
        m_shown = 0;
    } else if (quarter > m_shown) {
        m_shown = quarter;
        m_out << "  " << quarter << "%" << std::endl;
    }
}

} // namespace listrider::cli
