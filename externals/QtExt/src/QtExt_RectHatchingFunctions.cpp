#include "QtExt_RectHatchingFunctions.h"

#include <algorithm>
#include <cmath>

#include <QLine>
#include <QPainter>
#include <QRectF>

namespace QtExt {

namespace {

const double PI = 3.14159265358979323846;

/*! Lines are drawn on whole pixels: coordinates truncated. */
void drawLine(QPainter * painter, double x1, double y1, double x2, double y2) {
	painter->drawLine(QLine(static_cast<int>(x1), static_cast<int>(y1),
							static_cast<int>(x2), static_cast<int>(y2)));
}

/*! Arc with angles in degrees; Qt takes sixteenths of a degree. */
void drawArc(QPainter * painter, const QRectF & square, double startDeg, double spanDeg) {
	painter->drawArc(square, static_cast<int>(startDeg * 16), static_cast<int>(spanDeg * 16));
}

/*! False for a rectangle without area or a spacing too small to divide by. */
bool drawable(const QRectF & rect, int distance) {
	return rect.width() > 0 && rect.height() > 0 && distance >= 1;
}

/*! Loops of diameter t along a side of length "along", n loops, their straight parts
	between arcs at distance D = across - t; q is the sine of the angle at which a line
	leaves an arc, f the inset of its ends.
*/
struct LoopGeometry {
	LoopGeometry(double along, double across, double a) :
		n(static_cast<int>(along / across * a))
	{
		if (n < 1)
			return;
		t = along / n;
		r = t / 2;
		D = across - t;
		q = std::sqrt(1 - (r / D) * (r / D));
		f = (r / D + 1) * r;
	}
	int		n;
	double	t = 0, r = 0, D = 0, q = 0, f = 0;
};

void insulationAlongHeight(QPainter * painter, const QRectF & rect, double a) {
	const double x = rect.x(), y = rect.y(), w = rect.width();
	const LoopGeometry g(rect.height(), w, a);
	const double t = g.t, r = g.r, q = g.q;
	const double alpha = std::asin(q) * 180 / PI;
	const double c = w - g.f;
	for (int i = 0; i < g.n; ++i) {
		const double A = i * t + r;
		drawArc(painter, QRectF(x, y + i * t, t, t), alpha, 360 - 2 * alpha);
		drawLine(painter, x + g.f, y + A - q * r, x + c, y + A - r + q * r);
		drawLine(painter, x + g.f, y + A + q * r, x + c, y + A + r - q * r);
		drawArc(painter, QRectF(x + g.D, y + (i - 0.5) * t, t, t), 0, -(180 - alpha));
		drawArc(painter, QRectF(x + g.D, y + (i + 0.5) * t, t, t), 0, 180 - alpha);
	}
}

void insulationAlongWidth(QPainter * painter, const QRectF & rect, double a) {
	const double x = rect.x(), y = rect.y(), h = rect.height();
	const LoopGeometry g(rect.width(), h, a);
	const double t = g.t, r = g.r, q = g.q;
	const double alpha = 90 - std::asin(q) * 180 / PI;
	for (int i = 0; i < g.n; ++i) {
		const double B = i * t + r;
		drawArc(painter, QRectF(x + i * t, y, t, t), -alpha, 2 * alpha + 180);
		drawLine(painter, x + B - q * r, y + g.f, x + B - (r - q * r), y + h - g.f);
		drawLine(painter, x + B + q * r, y + g.f, x + B + (r - q * r), y + h - g.f);
		drawArc(painter, QRectF(x + (i - 0.5) * t, y + g.D, t, t), -90, alpha + 90);
		drawArc(painter, QRectF(x + (i + 0.5) * t, y + g.D, t, t), -90, -(alpha + 90));
	}
}

} // namespace


void drawHorizontalHatching(QPainter * painter, const QRectF & rect, int distance) {
	Q_ASSERT(painter);
	if (!drawable(rect, distance))
		return;
	const int n = static_cast<int>(rect.height() / distance);
	for (int k = 1; k <= n; ++k) {
		const double yk = rect.y() + k * distance;
		drawLine(painter, rect.x(), yk, rect.x() + rect.width(), yk);
	}
}


void drawVerticalHatching(QPainter * painter, const QRectF & rect, int distance) {
	Q_ASSERT(painter);
	if (!drawable(rect, distance))
		return;
	const int n = static_cast<int>(rect.width() / distance);
	for (int k = 1; k <= n; ++k) {
		const double xk = rect.x() + k * distance;
		drawLine(painter, xk, rect.y(), xk, rect.y() + rect.height());
	}
}


void drawFallingDiagonalHatching(QPainter * painter, const QRectF & rect, int distance) {
	Q_ASSERT(painter);
	if (!drawable(rect, distance))
		return;
	const double x = rect.x(), y = rect.y(), w = rect.width(), h = rect.height();
	const double d = distance * std::sqrt(2.0);
	const int n = static_cast<int>((w + h) / d);
	for (int i = 1; i <= n; ++i) {
		const double m = i * d;
		drawLine(painter, x + std::max(w - m, 0.0), y + std::max(m - w, 0.0),
				 x + w - std::max(m - h, 0.0), y + std::min(m, h));
	}
}


void drawRisingDiagonalHatching(QPainter * painter, const QRectF & rect, int distance) {
	Q_ASSERT(painter);
	if (!drawable(rect, distance))
		return;
	const double x = rect.x(), y = rect.y(), w = rect.width(), h = rect.height();
	const double d = distance * std::sqrt(2.0);
	const int n = static_cast<int>((w + h) / d);
	for (int i = 1; i <= n; ++i) {
		const double e = i * d;
		const double x1 = x + std::max(e - h, 0.0);
		const double x2 = x + std::min(e, w);
		if (static_cast<int>(x1) == static_cast<int>(x2))
			break;
		drawLine(painter, x1, y + std::min(e, h), x2, y + std::max(e - w, 0.0));
	}
}


void drawInsulationHatching(QPainter * painter, const QRectF & rect, int distance) {
	Q_ASSERT(painter);
	if (!drawable(rect, distance))
		return;
	const double a = std::max(distance, 3);
	if (rect.height() >= rect.width())
		insulationAlongHeight(painter, rect, a);
	else
		insulationAlongWidth(painter, rect, a);
}


void drawHatching(QPainter * painter, const QRectF & rect, int hatchingType, int distance) {
	switch (hatchingType) {
		case 1: drawHorizontalHatching(painter, rect, distance); break;
		case 2: drawVerticalHatching(painter, rect, distance); break;
		case 3: drawFallingDiagonalHatching(painter, rect, distance); break;
		case 4: drawRisingDiagonalHatching(painter, rect, distance); break;
		case 5:
			drawFallingDiagonalHatching(painter, rect, distance);
			drawRisingDiagonalHatching(painter, rect, distance);
			break;
		case 6:
			drawHorizontalHatching(painter, rect, distance);
			drawVerticalHatching(painter, rect, distance);
			break;
		case 7: drawInsulationHatching(painter, rect, distance); break;
		default: break;
	}
}

} // namespace QtExt
