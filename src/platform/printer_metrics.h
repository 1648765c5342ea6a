// What the windows need to know of the printer to size a page: its resolution
// and printable page size, behind an interface so that tests can give fixed
// values.
#pragma once

class IPrinterMetrics {
public:
    virtual ~IPrinterMetrics() = default;
    virtual long double PixelsPerInchX() const = 0;
    virtual long double PixelsPerInchY() const = 0;
    // The printable page in printer pixels.
    virtual long double PageWidthPixels() const = 0;
    virtual long double PageHeightPixels() const = 0;
};
