#include <cmath>

#include "dawnpanel/mainscreen/Painting.h"

int32_t BarLength(float speed, int windowWidth) {
  const int32_t longest = windowWidth - 8;
  if (std::isnan(speed) || speed < 1.0f) return 4;
  const double steps = std::trunc(std::log(static_cast<double>(speed)) / std::log(1.05));
  return steps * 2 >= longest ? longest : static_cast<int32_t>(steps) * 2;
}

std::string ApplicationTitle(int32_t freeKiB, float cpuTenths, const TFormatSettings& format) {
  return FormatN(freeKiB / 1024.0, 1, format) + " МБ " + FormatN(cpuTenths / 10.0, 1, format) + " Мф";
}

std::string ShowBars(Canvas& canvas, const TSettingsHistory& record, const PanelView& view) {
  const double cpu = record.CPUTests[0] / 10.0;
  const double free = record.FreeMems[0] / 1024.0;
  if (!view.Minimized) {
    const double write = record.MemTestsW[0] / 10.0;
    const double read = record.MemTests[0] / 10.0;

    // Clear the bars and the free-memory figure: this runs every second without a full repaint.
    canvas.SetBrushStyle(TBrushStyle::Solid);
    canvas.SetPenAndBrush(view.ActiveBorder);
    canvas.Rectangle(3, 88, view.Width - 8, 148);
    canvas.Rectangle(79, 3, 159, 20);

    canvas.SetPenColor(clBlack);
    canvas.SetBrushColor(clWhite);
    canvas.Rectangle(2, 88, BarLength(static_cast<float>(cpu), view.Width), 108);
    canvas.SetBrushColor(clBlue);
    canvas.Rectangle(2, 108, BarLength(static_cast<float>(write), view.Width), 128);
    canvas.Rectangle(2, 127, BarLength(static_cast<float>(read), view.Width), 148);

    canvas.SetBrushStyle(TBrushStyle::Clear);
    canvas.SetFontBold(true);
    canvas.SetFontSize(9);
    canvas.SetFontColor(clRed);
    canvas.TextOut(6, 90, "Процессор: " + FormatN(cpu, 1, view.Format) + " Мфлоп");

    canvas.SetFontColor(clAqua);
    canvas.SetFontSize(10);
    canvas.TextOut(6, 116, "Память");
    const int x = canvas.TextWidth("Память") + 10;
    canvas.SetFontSize(9);
    canvas.TextOut(x, 109, "запись: " + FormatN(write, 1, view.Format) + " МБ/с");
    canvas.TextOut(x, 129, "чтение: " + FormatN(read, 1, view.Format) + " МБ/с");

    canvas.SetFontSize(10);
    canvas.SetFontColor(clBlue);
    canvas.TextOut(79, 3, FormatN(free, 1, view.Format) + "MБ");
  }
  return ApplicationTitle(record.FreeMems[0], record.CPUTests[0], view.Format);
}
