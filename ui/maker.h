#pragma once

// Who made the program, as the status bar and the hyperlink name them. Invented: they stand for
// no real person or company.
inline constexpr char16_t authorName[] = u"林晓禾";
inline constexpr char16_t makerAddress[] = u"tavelin.cn";
inline constexpr char16_t makerHomePage[] = u"http://tavelin.cn/";
