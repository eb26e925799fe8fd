// Outside Windows every reader takes UTF-8.
#include "gdctl/output_encoding.h"

namespace gd::gdctl {

TextEncoder EncoderForStandardHandle(int) { return Cp1252ToUtf8; }

}  // namespace gd::gdctl
