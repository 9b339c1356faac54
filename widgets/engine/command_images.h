#pragma once
// The command image table: which image of the 16-pixel image strip belongs to
// a control or command number. Buttons, menus and button bars share it; the
// program registers its commands once while it starts.

#include <array>

namespace veltrano {

class CommandImageTable {
  public:
    static constexpr int kCapacity = 200;
    static constexpr int kNoImage = -1;

    // Gives `number` the image `image`. A number that has an entry gets its
    // image replaced, or loses the entry for a negative image; otherwise the
    // first free entry takes it. Returns false, changing nothing, when all
    // entries are taken, and for number 0, which never has an image.
    bool registerImage(int number, int image);
    // The image registered for `number`; kNoImage when there is none.
    int imageFor(int number) const;
    // Entries in use.
    int size() const;
    void clear() { entries_ = {}; }

  private:
    struct Entry {
        int number = 0; // 0: the entry is free
        int image = kNoImage;
    };
    std::array<Entry, kCapacity> entries_{};
};

// The table the whole program shares.
CommandImageTable& commandImages();

} // namespace veltrano
