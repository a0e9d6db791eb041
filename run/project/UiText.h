// The numbered user-interface texts (buttons, questions, error boxes), chosen by Config/Texts.
#pragma once

#include <array>
#include <string>

namespace run {

class UiText {
  public:
    static constexpr int kCount = 60;
    // Entry i, 1-based; out-of-range numbers give "".
    const std::string& operator[](int i) const;
    void set(int i, std::string text); // throws std::out_of_range outside 1..60
    // Fills entries 1–51 with the game set (true) or the program set (false).
    void applySet(bool gameSet);
    void clear();

  private:
    std::array<std::string, kCount> m_texts;
};

// Reads the Texts file (mode 0: program set, 1: game set, 2: program set then overrides; any
// other mode leaves the table as it is). A missing file applies the program set. Throws on a
// damaged file or more than 60 overrides, after applying what was read.
void LoadUiTextsFromFile(const std::string& textsFile, UiText& texts);

} // namespace run
