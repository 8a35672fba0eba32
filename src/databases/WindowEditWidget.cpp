#include "WindowEditWidget.h"
#include "ui_WindowEditWidget.h"

#include <algorithm>
#include <cmath>

#include <QHeaderView>
#include <QLineEdit>

#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>
#include <qwt_scale_widget.h>
#include <qwt_text.h>

#include <QtExt_UserNumber.h>

#include <RM_Database.h>

#include "DBEditFieldHelpers.h"
#include "PendingEdit.h"
#include "UnkeptInput.h"
#include "WheelFocusFilter.h"
#include "WindowDBModel.h"

namespace {

	QString shortest(double value) {
		return QString("%L1").arg(value, 0, 'g', -1, QChar(' '));
	}

	bool parseNumber(const QString & text, double & value) {
		return QtExt::readUserNumber(text, value);
	}

	/*! Clears a pointer for the lifetime of the guard, so refreshes write nothing. */
	class CurrentGuard {
	public:
		explicit CurrentGuard(RM::WindowType *& current) : m_ref(current), m_saved(current) { m_ref = nullptr; }
		~CurrentGuard() { m_ref = m_saved; }
		CurrentGuard(const CurrentGuard &) = delete;
		CurrentGuard & operator=(const CurrentGuard &) = delete;
	private:
		RM::WindowType *&	m_ref;
		RM::WindowType *	m_saved;
	};

}


WindowEditWidget::WindowEditWidget(QWidget * parent, RM::Database * db, WindowDBModel * dbModel) :
	QWidget(parent),
	m_ui(new Ui::WindowEditWidget),
	m_db(db),
	m_dbModel(dbModel),
	m_current(nullptr),
	m_shgcCurve(nullptr)
{
	m_ui->setupUi(this);
	m_ui->verticalLayout->setMargin(0);
	setNameFlags(m_ui->labelNameEn, m_ui->labelNameDe);
	watchNameField(m_ui->lineEditNameEn);
	watchNameField(m_ui->lineEditNameDe);
	m_ui->lineEditU->setup(0, 10000000, tr("U-value must be a positive number."), false, false);
	m_ui->lineEditg->setup(0, 1, tr("Transmissibility must be a percentage, a value between 0 and 1."), true, true);
	m_ui->lineEditf->setup(0, 1, tr("Frame factor must be a percentage, a value between 0 and 1."), true, true);
	// a point count takes effect when committed: typing 20 must not pass through 2 points
	m_ui->spinBox->setKeyboardTracking(false);
	WheelFocusFilter::install(m_ui->spinBox);
	// a curve of one point shows the count 2: Return on it makes that count true, although
	// the value did not change
	if (QLineEdit * countEdit = m_ui->spinBox->findChild<QLineEdit *>())
		connect(countEdit, &QLineEdit::returnPressed, this, [this]() {
			if (m_current != nullptr && m_current->m_relativeSHGC.size() < 2)
				on_spinBox_valueChanged(m_ui->spinBox->value());
		});
	setupPlot();
	updateInput(QModelIndex());
	setMinimumWidth(440);
	setMaximumWidth(440);
}


WindowEditWidget::~WindowEditWidget() {
	delete m_ui;
}


void WindowEditWidget::setupPlot() {
	QwtPlot * plot = m_ui->shgcPlot;
	plot->setAutoReplot(false);
	plot->setContentsMargins(5, 5, 5, 5);
	plot->setAxisScale(QwtPlot::xBottom, 0, 90);
	plot->setAxisScale(QwtPlot::yLeft, 0, 1);
	QFont titleFont = plot->title().font();
	titleFont.setPointSize(9);
	QwtText xTitle(tr("Incident Angle [Deg]"));
	xTitle.setFont(titleFont);
	plot->setAxisTitle(QwtPlot::xBottom, xTitle);
	QwtText yTitle(tr("SHGC [-]"));
	yTitle.setFont(titleFont);
	plot->setAxisTitle(QwtPlot::yLeft, yTitle);
	QFont scaleFont = plot->axisFont(QwtPlot::xBottom);
	scaleFont.setPointSize(8);
	plot->setAxisFont(QwtPlot::xBottom, scaleFont);
	plot->setAxisFont(QwtPlot::yLeft, scaleFont);
	plot->setCanvasBackground(QBrush(QColor(240, 240, 240), Qt::SolidPattern));

	QwtPlotGrid * grid = new QwtPlotGrid;
	grid->enableXMin(true);
	grid->setMajorPen(QPen(Qt::gray, 0, Qt::DotLine));
	grid->setMinorPen(QPen(Qt::lightGray, 0, Qt::DotLine));
	grid->attach(plot);

	m_shgcCurve = new QwtPlotCurve(QString());
	m_shgcCurve->setRenderHint(QwtPlotItem::RenderAntialiased);
	m_shgcCurve->setPen(QPen(Qt::black));
	m_shgcCurve->setYAxis(QwtPlot::yLeft);
	m_shgcCurve->setZ(1);
	m_shgcCurve->setVisible(false); // shown with the first table fill
	m_shgcCurve->attach(plot);
	plot->replot();
}


void WindowEditWidget::updateInput(const QModelIndex & index) {
	m_current = nullptr;
	QtExt::ValidatingLineEdit * const numericFields[] = {m_ui->lineEditU, m_ui->lineEditg, m_ui->lineEditf};
	if (!index.isValid()) {
		m_ui->lineEditNameEn->clear();
		m_ui->lineEditNameDe->clear();
		setBuiltinPalette({m_ui->lineEditNameEn, m_ui->lineEditNameDe}, false);
		m_ui->lineEditNameEn->setReadOnly(true);
		m_ui->lineEditNameDe->setReadOnly(true);
		for (QtExt::ValidatingLineEdit * f : numericFields) {
			f->setReadOnly(true);
			showFieldText(f, QString());
		}
		m_ui->spinBox->setReadOnly(true);
		m_ui->tableWidget->clearContents();
		m_shgcCurve->setSamples(QVector<double>(), QVector<double>());
		return;
	}
	m_ui->tableWidget->horizontalHeader()->setStretchLastSection(true);
	m_ui->tableWidget->setColumnCount(2);
	m_ui->tableWidget->setHorizontalHeaderLabels(QStringList() << tr("[deg]") << tr("[-]"));
	RM::WindowType * win = m_db->windowType(m_dbModel->itemId(index));
	if (win == nullptr)
		return;
	m_ui->lineEditNameEn->setText(win->nameForLanguage("en"));
	m_ui->lineEditNameDe->setText(win->nameForLanguage("de"));
	showFieldText(m_ui->lineEditU, shortest(win->m_U));
	showFieldText(m_ui->lineEditg, shortest(win->m_g));
	showFieldText(m_ui->lineEditf, shortest(win->m_f));
	const bool builtin = win->m_builtin;
	m_ui->lineEditNameEn->setReadOnly(builtin);
	m_ui->lineEditNameDe->setReadOnly(builtin);
	for (QtExt::ValidatingLineEdit * f : numericFields)
		f->setReadOnly(builtin);
	m_ui->spinBox->setReadOnly(builtin);
	if (builtin)
		setBuiltinPalette({m_ui->lineEditNameEn, m_ui->lineEditNameDe, m_ui->lineEditU, m_ui->lineEditg,
						   m_ui->lineEditf, m_ui->spinBox, m_ui->tableWidget}, true);
	else
		setBuiltinPalette({m_ui->lineEditNameEn, m_ui->lineEditNameDe, m_ui->spinBox, m_ui->tableWidget}, false);
	updateSHGCTable(*win);
	m_current = win;
}


void WindowEditWidget::updateSHGCTable(const RM::WindowType & win) {
	CurrentGuard guard(m_current);
	std::vector<double> angles, values;
	win.relativeSHGC(angles, values);
	QVector<double> x, y;
	for (std::size_t i = 0; i < angles.size(); ++i) {
		x.append(angles[i]);
		y.append(values[i] * win.m_g);
	}
	m_ui->spinBox->setValue(int(angles.size()));
	m_shgcCurve->setSamples(x, y);
	m_shgcCurve->setVisible(true);
	m_ui->shgcPlot->replot();

	QTableWidget * table = m_ui->tableWidget;
	QSignalBlocker block(table);
	table->setRowCount(int(angles.size()));
	const Qt::ItemFlags flags = win.m_builtin ? (Qt::ItemIsSelectable | Qt::ItemIsEnabled)
											  : (Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled);
	for (std::size_t i = 0; i < angles.size(); ++i) {
		QTableWidgetItem * angleItem = new QTableWidgetItem(shortest(angles[i]));
		QTableWidgetItem * valueItem = new QTableWidgetItem(win.m_builtin
			? QString("%L1").arg(values[i], 0, 'f', 2) : shortest(values[i]));
		for (QTableWidgetItem * item : {angleItem, valueItem}) {
			item->setFlags(flags);
			item->setTextAlignment(0x86);
		}
		table->setItem(int(i), 0, angleItem);
		table->setItem(int(i), 1, valueItem);
	}
	QHeaderView * header = table->horizontalHeader();
	header->setSectionResizeMode(0, QHeaderView::Fixed);
	// wide enough for the angle unit of either language ("[Grad]")
	header->resizeSection(0, std::max(50, header->sectionSizeHint(0)));
	header->resizeSection(1, 50);
}


void WindowEditWidget::on_lineEditNameEn_editingFinished() {
	if (storeEditedName(m_ui->lineEditNameEn, "en", m_current))
		commitItemEdit(m_db, m_dbModel, m_current->m_id);
}


void WindowEditWidget::on_lineEditNameDe_editingFinished() {
	if (storeEditedName(m_ui->lineEditNameDe, "de", m_current))
		commitItemEdit(m_db, m_dbModel, m_current->m_id);
}


void WindowEditWidget::on_lineEditU_editingFinished() {
	double value;
	if (m_current == nullptr || m_current->m_builtin || !editedFieldValue(m_ui->lineEditU, value) || value == m_current->m_U)
		return;
	m_current->m_U = value;
	acceptFieldText(m_ui->lineEditU);
	commitItemEdit(m_db, m_dbModel, m_current->m_id);
}


void WindowEditWidget::on_lineEditf_editingFinished() {
	double value;
	if (m_current == nullptr || m_current->m_builtin || !editedFieldValue(m_ui->lineEditf, value) || value == m_current->m_f)
		return;
	m_current->m_f = value;
	acceptFieldText(m_ui->lineEditf);
	commitItemEdit(m_db, m_dbModel, m_current->m_id);
}


void WindowEditWidget::on_lineEditg_editingFinished() {
	double value;
	if (m_current == nullptr || m_current->m_builtin || !editedFieldValue(m_ui->lineEditg, value) || value == m_current->m_g)
		return;
	m_current->m_g = value;
	acceptFieldText(m_ui->lineEditg);
	// the plot shows relative value times g
	updateSHGCTable(*m_current);
	commitItemEdit(m_db, m_dbModel, m_current->m_id);
}


void WindowEditWidget::on_spinBox_valueChanged(int count) {
	// a value typed into the table without Return is taken before the points change
	PendingEdit::commitIn(m_ui->tableWidget);
	if (m_current == nullptr || m_current->m_builtin || count < 2)
		return;
	if (count != 2 && std::size_t(count) == m_current->m_relativeSHGC.size())
		return;
	std::vector<double> angles, values;
	m_current->relativeSHGC(angles, values);
	// a curve of one point (a file may hold one) has no interval to split: it starts
	// again from the default curve from 0 to 90 degrees
	if (angles.size() < 2 || values.size() != angles.size())
		RM::WindowType().relativeSHGC(angles, values);
	while (angles.size() > std::size_t(count)) {
		// the point at 90 degrees stays last
		angles.erase(angles.end() - 2);
		values.erase(values.end() - 2);
	}
	while (angles.size() < std::size_t(count)) {
		const std::size_t last = angles.size() - 1;
		angles.insert(angles.begin() + long(last), 0.5 * (angles[last - 1] + angles[last]));
		values.insert(values.begin() + long(last), values[last]);
	}
	storeSHGC(angles, values);
}


void WindowEditWidget::storeSHGC(const std::vector<double> & angles, const std::vector<double> & values) {
	m_current->m_relativeSHGC.setValues(angles, values);
	updateSHGCTable(*m_current);
	commitItemEdit(m_db, m_dbModel, m_current->m_id);
}


void WindowEditWidget::on_tableWidget_itemChanged(QTableWidgetItem * item) {
	if (m_current == nullptr || m_current->m_builtin || item == nullptr)
		return;
	const int row = item->row();
	if (row < 0 || row >= m_ui->tableWidget->rowCount())
		return;
	const QString text = item->text();
	const bool accepted = item->column() == 1 ? storeRelativeValue(row, text) : storeAngle(row, text);
	if (accepted)
		return; // the table was filled anew
	// red only on rejection; the text stays and the tool tip says why
	QSignalBlocker block(m_ui->tableWidget);
	item->setBackground(Qt::red);
	QString reason = QtExt::refusedNumberMessage(text);
	if (reason.isEmpty())
		reason = item->column() == 1 ? tr("Relative values lie between 0 and 1.")
			: tr("Angles increase strictly from 0 to 90 degrees; the first angle is 0, the last 90.");
	item->setToolTip(reason);
	item->setData(UnkeptInput::RefusedTextRole, reason);
}


bool WindowEditWidget::storeRelativeValue(int row, const QString & text) {
	std::vector<double> angles, values;
	m_current->relativeSHGC(angles, values);
	double value;
	if (!parseNumber(text, value) || value < 0 || value > 1 || std::size_t(row) >= values.size())
		return false;
	if (value != values[std::size_t(row)]) {
		values[std::size_t(row)] = value;
		storeSHGC(angles, values);
	}
	else {
		updateSHGCTable(*m_current);
	}
	return true;
}


bool WindowEditWidget::storeAngle(int row, const QString & text) {
	std::vector<double> angles, values;
	m_current->relativeSHGC(angles, values);
	double angle;
	if (!parseNumber(text, angle) || angle < 0 || angle > 90 || std::size_t(row) >= angles.size())
		return false;
	const std::size_t i = std::size_t(row);
	// the first angle stays 0, the last 90, and angles increase strictly
	if ((i == 0 && angle != 0) || (i + 1 == angles.size() && angle != 90))
		return false;
	if ((i > 0 && angle <= angles[i - 1]) || (i + 1 < angles.size() && angle >= angles[i + 1]))
		return false;
	if (angle != angles[i]) {
		angles[i] = angle;
		storeSHGC(angles, values);
	}
	else {
		updateSHGCTable(*m_current);
	}
	return true;
}
