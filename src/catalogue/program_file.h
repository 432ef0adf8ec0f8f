// product.dat: the program data of a product.
#pragma once

#include <filesystem>
#include <string_view>

#include "catalogue/program_info.h"
#include "store/line_list.h"
#include "store/result.h"

namespace listrider::catalogue {

/// What product.dat says besides the program data.
struct ProgramFileMarks
{
    bool imported = true; ///< false only when a PAD_Imported line holds "NO"
};

/// Fills the program data from the lines of product.dat; a missing tag, or a list value that is
/// no entry of its list, leaves the field as it is.
ProgramFileMarks ReadProgramFile(store::LineSpan lines, ProgramInfo& program);

/// Returns the lines of product.dat in written order; `imported` leaves out the PAD_Imported line.
store::LineList ProgramFileLines(const ProgramInfo& program, bool imported);

/// Writes the three-line product.dat of a product saved for the first time (name, version,
/// edit date), with a CR LF after every line.
store::Result<void> WriteProgramInfoFile(const std::filesystem::path& file,
                                         std::string_view name,
                                         std::string_view version,
                                         std::string_view editDate);

} // namespace listrider::catalogue
