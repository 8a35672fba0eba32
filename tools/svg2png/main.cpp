// svg2png IN.svg OUT.png: renders an SVG file at its own size into a PNG with alpha channel.
#include <cstdio>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <BVX_ProgramStart.h>

int main(int argc, char ** argv) {
	BVX::ProgramStart::prepareProcess();
	if (argc != 3) {
		std::fprintf(stderr, "Usage: svg2png IN.svg OUT.png\n");
		return 2;
	}
	qputenv("QT_QPA_PLATFORM", "offscreen");
	QGuiApplication app(argc, argv);
	QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
	if (!renderer.isValid()) {
		std::fprintf(stderr, "Cannot read SVG file '%s'.\n", argv[1]);
		return 1;
	}
	QImage img(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
	img.fill(Qt::transparent);
	QPainter p(&img);
	p.setRenderHint(QPainter::Antialiasing);
	p.setRenderHint(QPainter::TextAntialiasing);
	renderer.render(&p);
	p.end();
	if (!img.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
		std::fprintf(stderr, "Cannot write PNG file '%s'.\n", argv[2]);
		return 1;
	}
	return 0;
}
