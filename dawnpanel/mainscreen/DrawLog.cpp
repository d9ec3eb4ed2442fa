#include "dawnpanel/mainscreen/Painting.h"

void ShortenDiskTestFile(std::string& diskTestFile, int64_t tscMHz) {
  const size_t keep = tscMHz > 0 ? 1 : 2;
  if (diskTestFile.size() > keep) diskTestFile.resize(keep);
}

std::string DrawLog(Canvas& canvas, TSettingsHistory& record, const PanelView& view, std::string& diskTestFile) {
  if (view.Minimized) return ApplicationTitle(record.FreeMems[0], record.CPUTests[0], view.Format);
  const int w = view.Width, h = view.Height;

  // The raised panel: a shadow down-right, a one-pixel light edge up-left.
  canvas.SetPenWidth(1);
  canvas.SetPenAndBrush(clBlack);
  canvas.Rectangle(9, 9, w, h);
  canvas.SetPenAndBrush(clWhite);
  canvas.Rectangle(0, 0, w - 9, h - 9);
  canvas.SetPenAndBrush(view.ActiveBorder);
  canvas.Rectangle(1, 1, w - 8, h - 8);

  // Three stripes behind the title, each 4 pixels shorter than the one above.
  canvas.SetFontColor(clBlack);
  canvas.SetFontBold(true);
  canvas.SetFontSize(12);
  const int tw = canvas.TextWidth(view.Title);
  canvas.SetPenAndBrush(clWhite);
  canvas.Rectangle(160, 2, tw + 180, 10);
  canvas.SetPenAndBrush(clBlue);
  canvas.Rectangle(160, 10, tw + 176, 18);
  canvas.SetPenAndBrush(clRed);
  canvas.Rectangle(160, 18, tw + 172, 26);
  canvas.SetBrushStyle(TBrushStyle::Clear);
  canvas.TextOut(167, 5, view.Title);
  canvas.SetFontColor(clSilver);
  canvas.TextOut(166, 4, view.Title);

  canvas.SetFontSize(9);
  canvas.SetFontBold(false);
  canvas.SetFontColor(clGray);
  canvas.SetBrushStyle(TBrushStyle::Clear);
  const bool diskTested = record.DiskTests[0] != 0;
  if (diskTested) {
    ShortenDiskTestFile(diskTestFile, view.TscMHz);
    canvas.TextOut(418, 56, "На диске " + diskTestFile + " тестировалось " + std::to_string(view.DiskTestSize) + " MБ");
  }

  ShowMem(canvas, record, view);
  ShowDisk(canvas, record, view);
  canvas.TextOut(40, 72, "Доступные скорости:");
  std::string title = ShowBars(canvas, record, view);
  if (!diskTested) return title;

  // The disk bars, outlined with the pen the speed bars left (black).
  canvas.SetBrushColor(clRed);
  canvas.SetBrushStyle(TBrushStyle::Solid);
  canvas.SetFontColor(clWhite);
  canvas.Rectangle(2, 148, BarLength(record.DiskTestsW[0] / 10.0f, w), 168);
  canvas.Rectangle(2, 167, BarLength(record.DiskTests[0] / 10.0f, w), 188);
  canvas.SetBrushStyle(TBrushStyle::Clear);
  canvas.SetFontSize(10);
  canvas.TextOut(6, 156, "Диск");
  const int x = canvas.TextWidth("Диск") + 10;
  canvas.SetFontSize(9);
  canvas.TextOut(x, 149, "запись: " + FormatN(record.DiskTestsW[0] / 10.0, 1, view.Format) + " МБ/с");
  canvas.TextOut(x, 169, "чтение: " + FormatN(record.DiskTests[0] / 10.0, 1, view.Format) + " МБ/с");
  return title;
}
