// The output devices sheets lay themselves out for: the screen they measure text on and the printer page.
#pragma once

#include "platform/Canvas.h"
#include "platform/Geometry.h"

#include <memory>

namespace qv {

class TXLManager;

// Held by the manager, which alone changes it: a new canvas or printer changes every sheet's page, and the
// manager tells the live sheets.
class TXLDevices {
public:
    TXLDevices();

    // The canvas on which sheets measure text; a deterministic one until the application installs its own.
    TXLCanvas& MeasureCanvas() const { return *m_measureCanvas; }
    int ScreenPixelsPerInch() const { return m_measureCanvas->PixelsPerInch(); }

    // Printer metrics: without a printer 600 x 600 dpi and a page of 4676 x 6744 dots. The page rectangle is in
    // screen pixels.
    Size PrinterResolution() const { return m_resolution; }
    Rect PageRect() const { return m_pageRect; }

private:
    friend class TXLManager;
    // The page in screen pixels follows at the next ReadPrinter.
    void SetMeasureCanvas(std::unique_ptr<TXLCanvas> canvas);
    // Re-reads the printer metrics and converts the page to the measuring canvas's pixels.
    void ReadPrinter();

    std::unique_ptr<TXLCanvas> m_measureCanvas;
    Size m_resolution;
    Rect m_pageRect;
};

} // namespace qv
