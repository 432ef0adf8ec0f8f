#include "engine/run_lists.h"

namespace listrider::engine {

std::array<long long, 7> ReportCounters::ToArray() const
{
    return {
        sitesFinished, sitesSuccessful, elapsedSeconds, emailsSent, webRequests, bytesSent, bytesReceived};
}

void ReportCounters::FromArray(const std::array<long long, 7>& values)
{
    sitesFinished = values[0];
    sitesSuccessful = values[1];
    elapsedSeconds = values[2];
    emailsSent = values[3];
    webRequests = values[4];
    bytesSent = values[5];
    bytesReceived = values[6];
}

void RunPage::Clear()
{
    log.clear();
    details.clear();
    counters = PageCounters();
}

int ProgressPercent(long long processed, long long total)
{
    if (total <= 0) {
        return 0;
    }
    // Exact in integers: quotient and remainder of processed × 100 / total.
    const long long scaled = processed * 100;
    long long quotient = scaled / total;
    const long long twiceRemainder = 2 * (scaled % total);
    if (twiceRemainder > total || (twiceRemainder == total && quotient % 2 != 0)) {
        ++quotient;
    }
    return static_cast<int>(quotient);
}

} // namespace listrider::engine
