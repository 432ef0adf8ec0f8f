// Reading the elements of a PAD file into a product.
#pragma once

#include <string>
#include <string_view>

#include "catalogue/pad_source.h"
#include "catalogue/product.h"

namespace listrider::catalogue {

/// The names a PAD file gives its product and company: the last values, spaces trimmed.
struct PadNames
{
    std::string program;
    std::string company;
};

/// Returns the product and company names of the file.
PadNames FindPadNames(const PadSource& source);

/// Fills the product from every element of the file the import knows; list values that match
/// no entry leave their fields as they are.
void ReadPadElements(const PadSource& source, Product& product, std::string_view shareItParentDomain);

/// Reads the description block that opens at `openIndex` into the descriptions; returns the
/// index of the line after the block.
std::size_t ReadPadDescriptions(const PadSource& source, std::size_t openIndex, DescriptionSet& descriptions);

/// Returns a multi-line value without a blank first line and a blank last line.
std::string DropOuterBlankLines(std::string_view value);

/// Returns a one-digit day or month with a leading "0".
std::string PadTwoDigits(std::string_view value);

} // namespace listrider::catalogue
