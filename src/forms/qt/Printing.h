#pragma once
// Print jobs: one landscape page with a grid picture at the top left corner, in its own size.
#include <filesystem>

#include "forms/DateTime.h"
#include "forms/GridPicture.h"
#include "forms/Platform.h"

namespace forms::qt {

// On the system's default printer, without a dialog; the outcome names the printer.
PrintOutcome PrintOnDefaultPrinter(const GridPicture& picture);
// As a PDF file in `folder` (created when missing), named by the time and a counter; the outcome
// holds the file's full path.
PrintOutcome PrintToPdf(const GridPicture& picture, const std::filesystem::path& folder,
                        const DateTime& now);
// Whether the system has a default printer at all.
bool HasDefaultPrinter();

}  // namespace forms::qt
