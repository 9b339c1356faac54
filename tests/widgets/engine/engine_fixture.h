#pragma once
// Helpers shared by the markup engine tests. The recording surface at 96 dpi
// gives an 8-point font an em and line height of 10 and characters 5 wide;
// 10 points: height 13, n characters n × 13 / 2 wide; 12 points: height 16,
// characters 8 wide.

#include "render/recording_surface.h"
#include "widgets/engine/picture_source.h"

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace veltrano {

class FakePictures : public PictureSource {
  public:
    void add(int number, int width, int height) { pictures_.try_emplace(number, width, height); }
    const Picture* picture(int number) const override {
        const auto found = pictures_.find(number);
        return found == pictures_.end() ? nullptr : &found->second;
    }

  private:
    std::map<int, BlankPicture> pictures_;
};

// "left,top text" for every text drawn, in order; "|R" marks right-aligned
// text, "|B" bold, "|U" underlined and "|<colour>" a colour other than black.
inline std::vector<std::string> drawnWords(const RecordingSurface& surface) {
    std::vector<std::string> out;
    for (const RecordedOp& op : surface.opsOf(OpKind::DrawText)) {
        std::ostringstream line;
        line << op.rect.left << ',' << op.rect.top << ' ' << op.text;
        if (op.flags & TextRight) {
            line << "|R";
        }
        if (op.state.font.weight == kWeightBold) {
            line << "|B";
        }
        if (op.state.font.underline) {
            line << "|U";
        }
        if (op.state.textColour != kBlack) {
            line << '|' << op.state.textColour;
        }
        out.push_back(line.str());
    }
    return out;
}

} // namespace veltrano
