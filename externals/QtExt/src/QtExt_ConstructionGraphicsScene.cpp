#include "QtExt_ConstructionGraphicsScene.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QAbstractTextDocumentLayout>
#include <QGraphicsTextItem>
#include <QGuiApplication>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>

#include "QtExt_GraphicsRectItemWithHatch.h"

namespace QtExt {

namespace {

QFont defaultFont(double pointSize) {
	QFont f = QGuiApplication::font();
	f.setPointSizeF(pointSize);
	return f;
}

bool drawableWidth(double w) {
	return std::isfinite(w) && w > 0;
}

} // namespace


ConstructionGraphicsScene::ConstructionGraphicsScene(bool onScreen, QPaintDevice * device, QObject * parent) :
	QGraphicsScene(parent),
	m_screenTextFont(defaultFont(8)),
	m_printTextFont(defaultFont(6)),
	m_screenCaptionFont(defaultFont(10)),
	m_printCaptionFont(defaultFont(8)),
	m_onScreen(onScreen),
	m_device(device)
{
	Q_ASSERT(m_device);
	m_textFont = onScreen ? m_screenTextFont : m_printTextFont;
	m_captionFont = onScreen ? m_screenCaptionFont : m_printCaptionFont;
	updatePens();
	createCaption();
}


ConstructionGraphicsScene::~ConstructionGraphicsScene() = default;


QString ConstructionGraphicsScene::widthLabel(double widthInM) {
	const double mm = widthInM * 1000;
	const QString oneDecimal = QString::number(mm, 'f', 1);
	// 239.99999 (a rounded 0.24 m) is 240, not "240.0"
	if (mm - std::floor(mm) < 0.1 || oneDecimal.endsWith(QLatin1String(".0")))
		return QString::number(std::llround(mm));
	return oneDecimal;
}


void ConstructionGraphicsScene::setup(const QRect & frame, QPaintDevice * device, double res,
									  const QVector<ConstructionLayer> & layers)
{
	Q_ASSERT(device);
	const bool sameOutput = device == m_device && res == m_res;
	m_device = device;
	m_res = res;
	const QRectF f(frame);
	if (sameOutput && qFuzzyCompare(f.x(), m_frame.x()) && qFuzzyCompare(f.y(), m_frame.y())
		&& qFuzzyCompare(f.width(), m_frame.width()) && qFuzzyCompare(f.height(), m_frame.height())
		&& layers == m_layers)
	{
		return;
	}

	m_textFont = m_onScreen ? m_screenTextFont : m_printTextFont;
	m_captionFont = m_onScreen ? m_screenCaptionFont : m_printCaptionFont;

	QGraphicsScene::clear();
	createCaption();
	m_layers = layers;
	m_frame = f;
	updatePens();

	m_totalWidth = 0;
	for (const ConstructionLayer & l : m_layers) {
		if (!drawableWidth(l.m_width))
			return;
		m_totalWidth += l.m_width;
	}
	if (m_layers.isEmpty())
		return;

	calculatePositions();
	drawDimensions();	// shrinks m_inner to make room for the chain
	drawLayers();
	setSceneRect(m_frame);
	emit changed(QList<QRectF>() << f);
}


void ConstructionGraphicsScene::clear() {
	QGraphicsScene::clear();
	createCaption();
	m_layers.clear();
}


void ConstructionGraphicsScene::updatePens() {
	const double dimWidth = std::max(1.0, 0.2 * m_res);
	if (m_onScreen) {
		m_dimensionPen = QPen(QBrush(Qt::gray), dimWidth);
		m_boundaryPen = QPen(QBrush(Qt::black), 2);
		m_surfacePen = QPen(QBrush(Qt::darkGray), 1, Qt::DashLine);
	}
	else {
		m_dimensionPen = QPen(QBrush(Qt::black), dimWidth);
		m_boundaryPen = QPen(QBrush(Qt::black), static_cast<int>(0.8 * m_res));
		m_surfacePen = QPen(QBrush(Qt::darkGray), 0.2 * m_res, Qt::DashLine);
	}
}


void ConstructionGraphicsScene::createCaption() {
	m_caption = addTextItem(tr("Layer widths in [mm]"), m_captionFont);
	m_caption->setVisible(false);
}


QGraphicsTextItem * ConstructionGraphicsScene::addTextItem(const QString & text, const QFont & font) {
	QGraphicsTextItem * item = addText(text);
	item->document()->documentLayout()->setPaintDevice(m_device);
	QTextCursor cursor(item->document());
	QTextBlockFormat fmt = cursor.blockFormat();
	fmt.setAlignment(Qt::AlignVCenter);
	cursor.setBlockFormat(fmt);
	item->setFont(font);
	return item;
}


void ConstructionGraphicsScene::calculatePositions() {
	int top, bottom;
	if (m_onScreen) {
		top = static_cast<int>(m_frame.top() + 5);
		bottom = static_cast<int>(m_frame.height() - 15);
	}
	else {
		top = static_cast<int>(std::trunc(m_frame.top()) + 5 * m_res);
		bottom = static_cast<int>(std::trunc(m_frame.bottom()) - 5 * m_res);
	}
	const int left = static_cast<int>(m_frame.left());
	m_inner = QRectF(left, top, static_cast<int>(m_frame.width()) - left, bottom - top);

	const int leftReserve = m_onScreen ? 40 : static_cast<int>(5 * m_res);
	const int rightReserve = m_onScreen ? 50 : static_cast<int>(5 * m_res);
	const double minOffset = m_onScreen ? 10 : 10 * m_res;
	const int d = static_cast<int>(std::max(minOffset, 0.03 * m_inner.width()));

	m_xStart = static_cast<int>(m_inner.left() + leftReserve);
	m_xEnd = static_cast<int>(m_inner.right() - rightReserve);
	m_xPositions.assign(1, m_xStart + d);
	for (double w : drawnWidths(m_xEnd - 2 * d - m_xStart))
		m_xPositions.push_back(m_xPositions.back() + static_cast<int>(w));
}


std::vector<double> ConstructionGraphicsScene::drawnWidths(double available) const {
	const int n = m_layers.size();
	// on screen a foil of 1 mm beside 300 mm of masonry stays wide enough to be clicked
	const double minWidth = m_onScreen ? MIN_SCREEN_LAYER_WIDTH : 0.0;
	std::vector<bool> atMinimum(static_cast<std::size_t>(n), false);
	if (minWidth * n > available)
		return std::vector<double>(static_cast<std::size_t>(n), available / n);
	for (;;) {
		double rest = available;
		double restTotal = 0;
		for (int i = 0; i < n; ++i) {
			if (atMinimum[i])
				rest -= minWidth;
			else
				restTotal += m_layers[i].m_width;
		}
		const double scale = restTotal > 0 ? rest / restTotal : 0;
		bool changed = false;
		for (int i = 0; i < n; ++i) {
			if (!atMinimum[i] && scale * m_layers[i].m_width < minWidth) {
				atMinimum[i] = true;
				changed = true;
			}
		}
		if (changed)
			continue;
		std::vector<double> widths;
		for (int i = 0; i < n; ++i)
			widths.push_back(atMinimum[i] ? minWidth : scale * m_layers[i].m_width);
		return widths;
	}
}


void ConstructionGraphicsScene::drawDimensions() {
	const double m = static_cast<int>(std::max(3.0, 0.8 * m_res));
	const int n = m_layers.size();
	const double X0 = m_xPositions.front();
	const double Xn = m_xPositions.back();
	setFont(m_textFont);

	QGraphicsTextItem * total = addTextItem(widthLabel(m_totalWidth), m_textFont);
	double H = total->boundingRect().height();

	// with one layer the total is the chain: no label of its own
	std::vector<QGraphicsTextItem *> labels;
	std::vector<int> hanging;	// layers whose label does not fit between its boundaries
	if (n > 1) {
		for (int i = 0; i < n; ++i) {
			labels.push_back(addTextItem(widthLabel(m_layers[i].m_width), m_textFont));
			const QRectF r = labels.back()->boundingRect();
			H = std::max(H, r.height());
			const int space = static_cast<int>(m_xPositions[i + 1] - m_xPositions[i] - 2 * m);
			if (r.width() > space)
				hanging.push_back(i);
		}
	}
	const std::vector<HangingLabel> placed = placeHangingLabels(labels, hanging, m);
	int rows = 0;
	for (const HangingLabel & h : placed)
		rows = std::max(rows, h.m_row + 1);

	// each row of hanging labels takes one label height between chain and total
	const double bottom = m_inner.bottom();
	double y0 = bottom - H;
	double yc = bottom - (rows == 0 ? 2.1 : 2.1 + rows) * H;
	if (n == 1)
		yc = y0;
	m_inner.setBottom(yc - H);

	for (int i = 0; i < static_cast<int>(labels.size()); ++i) {
		const QRectF r = labels[i]->boundingRect();
		const double centre = 0.5 * (m_xPositions[i] + m_xPositions[i + 1]);
		labels[i]->setPos(centre - r.width() / 2, yc - r.height());
	}
	// hanging labels below the chain, a leader line to their layer; those left out are hidden
	for (int i : hanging)
		labels[i]->setVisible(false);
	for (const HangingLabel & h : placed) {
		QGraphicsTextItem * label = labels[h.m_layer];
		const QRectF r = label->boundingRect();
		const double top = yc + h.m_row * H;
		label->setPos(h.m_x, top);
		label->setVisible(true);
		const double centre = 0.5 * (m_xPositions[h.m_layer] + m_xPositions[h.m_layer + 1]);
		addLine(centre, yc, h.m_x + r.width() / 2, top + 2 * m, m_dimensionPen);
	}

	const double centre = 0.5 * (X0 + Xn);
	const QRectF totalRect = total->boundingRect();
	total->setPos(static_cast<int>(centre - totalRect.width() / 2), y0 - totalRect.height());
	m_caption->setVisible(true);
	m_caption->setPos(static_cast<int>(centre - m_caption->boundingRect().width() / 2), y0 + m);

	addLine(X0 - m, y0, Xn + m, y0, m_dimensionPen);
	if (yc != y0)
		addLine(X0 - m, yc, Xn + m, yc, m_dimensionPen);

	const int g = static_cast<int>(std::floor(0.7 * m));
	const int ytop = static_cast<int>(yc + m - H);
	for (int j = 0; j <= n; ++j) {
		const int X = static_cast<int>(m_xPositions[j]);
		if (j == 0 || j == n) {
			addLine(X, ytop, X, y0 + m, m_dimensionPen);
			addLine(X - g, y0 + g, X + g, y0 - g, m_dimensionPen);
		}
		else {
			addLine(X, ytop, X, yc + m, m_dimensionPen);
		}
		if (yc != y0)
			addLine(X - g, yc + g, X + g, yc - g, m_dimensionPen);
	}
}


std::vector<ConstructionGraphicsScene::HangingLabel> ConstructionGraphicsScene::placeHangingLabels(
		const std::vector<QGraphicsTextItem *> & labels, std::vector<int> shown, double gap) const
{
	const double left = m_frame.left();
	const double right = m_frame.right();
	for (;;) {
		// side by side in one row where they fit, else staggered on two rows
		for (int rows = 1; rows <= 2; ++rows) {
			std::vector<HangingLabel> placed;
			double rowEnd[2] = { std::numeric_limits<double>::lowest(), std::numeric_limits<double>::lowest() };
			bool fits = true;
			for (int i : shown) {
				const double w = labels[i]->boundingRect().width();
				const double centre = 0.5 * (m_xPositions[i] + m_xPositions[i + 1]);
				const double ideal = std::min(std::max(centre - w / 2, left), right - w);
				// each row pushes its labels right of the previous one; the nearer row wins
				const double x0 = std::max(ideal, rowEnd[0] + gap);
				const double x1 = std::max(ideal, rowEnd[1] + gap);
				const int row = rows == 2 && x1 < x0 ? 1 : 0;
				const double x = row == 0 ? x0 : x1;
				if (x < left || x + w > right) {
					fits = false;
					break;
				}
				rowEnd[row] = x + w;
				placed.push_back(HangingLabel{ i, row, x });
			}
			if (fits)
				return placed;
		}
		// too many to stand in two rows: leave out the label of the thinnest layer
		auto thinnest = std::min_element(shown.begin(), shown.end(), [this](int a, int b) {
			return m_layers[a].m_width < m_layers[b].m_width;
		});
		shown.erase(thinnest);
	}
}


void ConstructionGraphicsScene::drawLayers() {
	const int a = static_cast<int>(m_inner.top());
	const int b = static_cast<int>(m_inner.bottom());
	const int s = static_cast<int>(std::max(5.0, 0.8 * m_res));
	const QPen hatchPen = m_dimensionPen == QPen() ? QPen(QBrush(Qt::black), 4) : m_dimensionPen;

	for (int i = 0; i < m_layers.size(); ++i) {
		const ConstructionLayer & layer = m_layers[i];
		const double x = std::trunc(m_xPositions[i]);
		const int w = static_cast<int>(m_xPositions[i + 1] - x);
		auto * rect = new GraphicsRectItemWithHatch(QRectF(x, a, w, b - a), layer.m_hatchingType, s);
		if (layer.m_color.isValid())
			rect->setBrush(QBrush(layer.m_color));
		rect->setPen(QPen(layer.m_color));
		rect->setHatchPen(hatchPen);
		rect->setFlag(QGraphicsItem::ItemIsSelectable);
		rect->setData(0, i);
		// the width also where the chain has no room for its label
		rect->setToolTip(QStringLiteral("%1\n%2 mm").arg(layer.m_name, widthLabel(layer.m_width)));
		addItem(rect);

		QGraphicsTextItem * name = addTextItem(layer.m_name, m_textFont);
		name->setZValue(2);
		name->setTextWidth(b - a);
		name->setRotation(-90);
		const double h = name->boundingRect().height();
		const double ideal = name->document()->idealWidth();
		name->setPos(static_cast<int>((w - h) / 2 + x), static_cast<int>(b - (b - a - ideal) / 2));
		name->setVisible(h < w - 2);
	}

	const double X0 = m_xPositions.front();
	const double Xn = m_xPositions.back();
	addLine(X0, a, X0, b, m_boundaryPen);
	addLine(Xn, a, Xn, b, m_boundaryPen);
	const int ya = a + m_surfacePen.width();
	addLine(X0, ya, Xn, ya, m_surfacePen);
	addLine(X0, b, Xn, b, m_surfacePen);

	QGraphicsTextItem * outside = addTextItem(tr("outside"), m_textFont);
	outside->setTextWidth(X0);
	outside->setPos((X0 - outside->document()->idealWidth()) / 2, a - 2);
	QGraphicsTextItem * inside = addTextItem(tr("inside"), m_textFont);
	const int L = static_cast<int>(m_frame.width() - Xn);
	inside->setTextWidth(L);
	inside->setPos((L - inside->document()->idealWidth()) / 2 + Xn, a - 2);
}

} // namespace QtExt
