#include "sheet/Devices.h"

#include "platform/RecordingCanvas.h"

namespace qv {

namespace {

// Default printer metrics, used because there is no printer driver to ask.
constexpr Size kDefaultResolution{600, 600};
constexpr Size kDefaultPageDots{4676, 6744};

} // namespace

TXLDevices::TXLDevices() : m_measureCanvas(std::make_unique<RecordingCanvas>(Size{1, 1}))
{
    ReadPrinter();
}

void TXLDevices::SetMeasureCanvas(std::unique_ptr<TXLCanvas> canvas)
{
    m_measureCanvas = std::move(canvas);
}

void TXLDevices::ReadPrinter()
{
    m_resolution = kDefaultResolution;
    const int ppi = ScreenPixelsPerInch();
    m_pageRect = {0, 0, kDefaultPageDots.cx * ppi / m_resolution.cx, kDefaultPageDots.cy * ppi / m_resolution.cy};
}

} // namespace qv
