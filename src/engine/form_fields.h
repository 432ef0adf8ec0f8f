// The field lists of a web step turned into form bodies, queries and multipart bodies.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "store/macro_scanner.h"
#include "store/result.h"

namespace listrider::engine {

/// The product's four local upload paths (|PADPath|, |FilePath|, |IconPath|, |ShotPath|): the
/// only values an upload sends as files.
using UploadPaths = std::array<std::string, 4>;

/// How a form body is written where a run differs from the submission's.
struct FormBodyRules
{
    bool keepEmptyPairs = false; ///< fields whose name and value are both empty stay in the lists
    bool valueSpaceAs20 = false; ///< values write a space as "%20" instead of "+"
};

/// Returns the URL-encoded form body, expanding the macros of every name and value in the lists
/// first: "name=value" joined by "&", spaces as "+". Then removes (from both lists) every field
/// whose name and value are both empty, unless the rules keep them; the body keeps their "=&".
std::string BuildFormBody(std::vector<std::string>& names,
                          std::vector<std::string>& values,
                          const store::NarrowMacroResolver& resolve,
                          FormBodyRules rules = {});

/// Returns the query of a GET, expanding the macros of every field once more: values encode a
/// space as "%20" when `hasPrb`, else as "+"; names always as "+".
std::string BuildQuery(std::vector<std::string>& names,
                       std::vector<std::string>& values,
                       bool hasPrb,
                       const store::NarrowMacroResolver& resolve);

/// Returns the multipart body with the boundary line `boundary` (which starts with "--"),
/// expanding the macros of every field once more. A field is a file part when its value is one
/// of the upload paths or a placeholder ("-empty text-", "-empty binary-", which become empty);
/// every other field is a text part. A file part names the file by its base name. A file that
/// cannot be read is an Io error.
store::Result<std::string> BuildMultipartBody(std::vector<std::string>& names,
                                              std::vector<std::string>& values,
                                              const UploadPaths& uploadPaths,
                                              const std::string& boundary,
                                              const store::NarrowMacroResolver& resolve);

} // namespace listrider::engine
