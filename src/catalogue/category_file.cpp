#include "catalogue/category_file.h"

#include "catalogue/vocabularies.h"
#include "store/ascii.h"
#include "store/tag_document.h"

namespace listrider::catalogue {

void ReadCategoryFile(store::LineSpan lines, ProductCategory& category)
{
    const store::ElementReader reader(lines);
    if (const auto fast = reader.Find("Fast_Category"); fast && !fast->empty() && *fast != kNoFastCategory) {
        category.fastCategory = *fast;
    }
    if (const auto specific = reader.Find("PAD_Specific_Category")) {
        category.padSpecificCategory = FindEntryNoCase(PadSpecificCategories(), *specific);
    }
    if (const auto categories = reader.Find("PAD_Categories")) {
        category.padCategories = *categories;
    }
    if (const auto categoryClass = reader.Find("Program_Category_Class")) {
        category.categoryClass = FindEntryNoCase(CategoryClasses(), *categoryClass);
    }
}

void ReadFastCategoryFile(store::LineSpan lines, ProductCategory& category)
{
    if (const auto fast = store::ElementReader(lines).Find("Fast_Category"); fast && !fast->empty()) {
        category.fastCategory = *fast;
    }
}

store::LineList CategoryFileLines(const ProductCategory& category, bool withFastCategory)
{
    store::TagWriter writer;
    if (withFastCategory) {
        writer.Element("Fast_Category", category.fastCategory);
    }
    writer.Element("PAD_Specific_Category", category.padSpecificCategory);
    writer.Element("PAD_Categories", category.padCategories);
    writer.Element("Program_Category_Class", category.categoryClass);
    return writer.Lines();
}

store::LineList FastCategoryFileLines(const ProductCategory& category)
{
    store::TagWriter writer;
    writer.Element("Fast_Category", category.fastCategory);
    return writer.Lines();
}

} // namespace listrider::catalogue
