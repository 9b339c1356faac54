#pragma once
// Telling the user of a drawing command which photos cannot be read, so that
// pages without their photos never come out without a word.

#include "document/calendar_document.h"
#include "render/image_decoder.h"

#include <array>
#include <ostream>
#include <string>

namespace veltrano::cli {

// Why the photo at path cannot be drawn, in a few words ("" when it can): the
// system's reason when it cannot be found or opened, else what it is instead
// of a picture file, or that the decoder gives no picture from it (decoder
// may be null: then only the file is checked).
std::string photoProblem(const std::string& path, const ImageDecoder* decoder);

// One line on err for each distinct photo that the command draws and that
// cannot be read: the title photo when `title`, the month photos of `months`.
void warnAboutUnreadablePhotos(const CalendarDocument& document, bool title,
                               const std::array<bool, kMonthCount>& months,
                               const ImageDecoder* decoder, std::ostream& err);

} // namespace veltrano::cli
