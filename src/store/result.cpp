#include "store/result.h"

namespace listrider::store {

const char* ErrorKindName(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::Io:
        return "io";
    case ErrorKind::NotFound:
        return "not-found";
    case ErrorKind::Malformed:
        return "malformed";
    case ErrorKind::Timeout:
        return "timeout";
    case ErrorKind::Refused:
        return "refused";
    case ErrorKind::HttpStatus:
        return "http-status";
    case ErrorKind::Cancelled:
        return "cancelled";
    case ErrorKind::Unsupported:
        return "unsupported";
    case ErrorKind::Usage:
        return "usage";
    case ErrorKind::Internal:
        return "internal";
    }
    return "internal";
}

} // namespace listrider::store
