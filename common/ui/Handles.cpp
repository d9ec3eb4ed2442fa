#include <windows.h>

#include "common/ui/Handles.h"

FontHandle MakeFont(const char* face, int height, bool bold, bool italic, BYTE charset) {
  LOGFONTA lf{};
  lf.lfHeight = height;
  lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = italic ? TRUE : FALSE;
  lf.lfCharSet = charset;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
  return FontHandle(CreateFontIndirectA(&lf));
}

FontHandle MakePointFont(const char* face, int points, bool bold, bool italic, BYTE charset) {
  HDC screen = GetDC(nullptr);
  int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  return MakeFont(face, height, bold, italic, charset);
}
