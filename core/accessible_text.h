// How a caption reads to a screen reader: the "&" that marks a mnemonic is
// not spoken, "&&" is one "&", and a line break is a space. No window
// system needed.
#pragma once

#include "core/spoken_text.h"

namespace quorl {

// The caption as a name; a null caption gives an empty name.
SpokenText SpokenCaption(const char* caption);

// The mnemonic character of a caption (the one after the first single
// "&"), or 0 when it has none.
char MnemonicOf(const char* caption);

} // namespace quorl
