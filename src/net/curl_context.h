// The libcurl handles of one transfer slot (internal to net).
#pragma once

#include <curl/curl.h>

#include "net/http_connection_pool.h"

namespace listrider::net::detail {

/// An easy handle and the multi handle that drives it (and holds its connection cache).
struct CurlContext
{
    CURL* easy = nullptr;
    CURLM* multi = nullptr;
};

/// Initialises libcurl once per process.
void EnsureCurlInitialised();

} // namespace listrider::net::detail
