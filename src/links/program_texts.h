#pragma once
// The program-wide texts: the four Taobao filter fragments, one per filter check box. Unset until
// the first Taobao search, then always a constant text (the fragment or the empty text).

namespace links {

enum TaobaoFilter {
  kFilterDescribedAsIs = 0,   // 选择框1
  kFilterSevenDayReturn = 1,  // 选择框2
  kFilterTaobaoMall = 2,      // 选择框3
  kFilterWangwangOnline = 3,  // 选择框10
  kTaobaoFilterCount = 4,
};

// The current text of a filter, or null while unset.
const char* TaobaoFilterText(TaobaoFilter filter);
// Sets each filter from its check box: the fragment when the box reads exactly 1, else the empty
// text. Read in the order of the enumeration.
void SetTaobaoFilterTexts();

// The exit callback: releases each filter text that is set. They refer to constant texts, so
// nothing goes back to the heap, and they keep their values.
void ReleaseProgramTexts();

// Back to unset. Tests only.
void ResetProgramTextsForTesting();

}  // namespace links
