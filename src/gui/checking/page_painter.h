#pragma once

#include <cstddef>

#include "checking/print_document.h"

class QPagedPaintDevice;

namespace ordavex {

// A4 with margins of 15 mm, portrait: how every printed page starts out.
void SetUpPage(QPagedPaintDevice& device);

// Draws the document on the device's pages in a fixed-pitch font, as the page layout places
// it; returns the number of pages, 0 when the device could not be painted on.
std::size_t PaintDocument(QPagedPaintDevice& device, const PrintDocument& document);

}  // namespace ordavex
