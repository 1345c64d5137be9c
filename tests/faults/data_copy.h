// A working folder for one fault test: the game's Data folder mirrored file by
// file (links to the shipped files), in which single files can then be
// removed, emptied, cut short or replaced by random bytes.
#pragma once

#include <string>
#include <vector>

enum class Damage { Missing, Empty, Truncated, RandomBytes };

const char* DamageName(Damage damage);

class DataCopy {
  public:
    // Makes the folder and makes it the working directory; with `withData`
    // false there is no Data folder in it at all.
    explicit DataCopy(bool withData = true);

    // Damages one file, given by its path below the working folder
    // ("Data/Map/Map.txt"). A truncated file keeps the first half of its
    // bytes; random bytes keep its length.
    void Apply(const std::string& file, Damage damage);

    // Puts the shipped file back.
    void Restore(const std::string& file);

    // The shipped file's bytes.
    static std::vector<char> Shipped(const std::string& file);

    const std::string& Dir() const { return dir_; }

  private:
    std::string dir_;
};
