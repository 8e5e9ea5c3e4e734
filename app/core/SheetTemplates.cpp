// Creating the sheets from the templates the build embedded.
#include "app/core/SheetTemplates.h"

#include "app/core/TemplateImage.h"
#include "platform/ByteStream.h"

#include <stdexcept>
#include <string>

namespace qv {

namespace {

constexpr std::string_view kComponentNames[kFinSheetCount] = {"XLSheet1", "XLSheet2", "XLSheet3", "XLSheet4",
                                                              "Sheet_DuPont"};

const TemplateImage& ImageOf(TFinSheet sheet)
{
    for (std::size_t i = 0; i < kTemplateImageCount; ++i)
        if (kTemplateImages[i].Name == kComponentNames[sheet])
            return kTemplateImages[i];
    // Only a build that left a definition out gets here.
    throw std::logic_error("no template for " + std::string(kComponentNames[sheet]));
}

} // namespace

std::string_view SheetComponentName(TFinSheet sheet)
{
    return kComponentNames[sheet];
}

std::string_view SheetFileName(TFinSheet sheet)
{
    return ImageOf(sheet).FileName;
}

int TemplateRowCount(TFinSheet sheet)
{
    return ImageOf(sheet).RowCount;
}

std::string_view TemplateStream(TFinSheet sheet)
{
    return ImageOf(sheet).Stream;
}

std::unique_ptr<TXLSheet> CreateTemplateSheet(TFinSheet which)
{
    const TemplateImage& image = ImageOf(which);
    auto sheet = std::make_unique<TXLSheet>();
    sheet->Name = std::string(image.Name);
    // A count lives in the stream only with explicit sizes on its axis; the description sets it besides.
    sheet->SetColCount(image.ColCount);
    sheet->SetRowCount(image.RowCount);
    ByteReader reader(image.Stream);
    sheet->ReadData(reader);
    sheet->AfterLoad();
    return sheet;
}

} // namespace qv
