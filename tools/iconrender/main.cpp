// quorvane-iconrender SVG OUTDIR SIZE...: draws the SVG as OUTDIR/SIZExSIZE.png for each size,
// so the PNG icons of the install are always the program's own SVG, never stale copies.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");  // a build step has no display
  QGuiApplication application(argc, argv);
  const QStringList args = application.arguments();
  if (args.size() < 4) {
    std::fprintf(stderr, "usage: quorvane-iconrender SVG OUTDIR SIZE...\n");
    return 2;
  }
  QSvgRenderer svg(args[1]);
  if (!svg.isValid()) {
    std::fprintf(stderr, "quorvane-iconrender: cannot read %s\n", qPrintable(args[1]));
    return 1;
  }
  for (const QString& sizeText : args.mid(3)) {
    const int size = sizeText.toInt();
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    const QString path = args[2] + QStringLiteral("/%1x%1.png").arg(size);
    if (!image.save(path, "PNG")) {
      std::fprintf(stderr, "quorvane-iconrender: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
