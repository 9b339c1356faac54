#pragma once
// Photos decoded away from the caller's thread. A page control asks for a
// photo and goes on drawing; it is told on its own thread when the photo has
// arrived. The pure layers know only this interface.

#include "render/image_decoder.h"

#include <cstdint>
#include <string>

namespace veltrano {

class PhotoReceiver {
  public:
    // The photo asked for with `ticket` (see PhotoLoader::request), on the
    // thread that asked, between two of its events.
    virtual void photoArrived(std::uint64_t ticket, DecodedImage photo) = 0;

  protected:
    ~PhotoReceiver() = default;
};

class PhotoLoader {
  public:
    virtual ~PhotoLoader() = default;

    // Starts decoding the photo at path for a box of `box` pixels and returns
    // the request's ticket (never 0). The answer goes to receiver, failures
    // included (with their problem); only the latest request of a receiver
    // is answered, and none after cancel.
    virtual std::uint64_t request(const std::string& path, Size box, PhotoReceiver& receiver) = 0;
    // Drops every answer still due to receiver; call before it goes away.
    virtual void cancel(PhotoReceiver& receiver) = 0;
};

} // namespace veltrano
