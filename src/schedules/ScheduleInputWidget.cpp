#include "ScheduleInputWidget.h"
#include "ui_ScheduleInputWidget.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>
#include <QtExt_UserNumber.h>

#include <RM_Schedule.h>

#include "DailyCycleInputWidget.h"
#include "SchedulePlot.h"
#include "TypedNumber.h"

namespace {

const int HOURS_PER_YEAR = 8760;
/*! Combo entry of a schedule that interpolates a time series (shown only for such a schedule). */
const int INTERPOLATED_INDEX = 4;

QString dateText(const QDate & date, const QString & format) {
	// the language handler's locale, not the system's month names
	return QLocale().toString(date, format);
}

} // namespace


ScheduleInputWidget::ScheduleInputWidget(QWidget * parent) :
	QWidget(parent),
	m_ui(new Ui::ScheduleInputWidget)
{
	const char * const FUNC_ID = "ScheduleInputWidget::ScheduleInputWidget()";
	m_ui->setupUi(this);
	layout()->setContentsMargins(0, 0, 0, 0);

	m_ui->comboBoxType->addItem(tr("Constant"));
	m_ui->comboBoxType->addItem(tr("Daily cycle (Winter/Summer)"));
	m_ui->comboBoxType->addItem(tr("Daily cycle (Weekday/Weekend)"));
	m_ui->comboBoxType->addItem(tr("Annual hourly schedule"));

	for (QListWidget * list : {m_ui->listWidgetWeekDays, m_ui->listWidgetWeekEndDays})
		for (int i = 0; i < list->count(); ++i)
			list->item(i)->setFlags(Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);

	buildAnnualPage();
	buildInterpolatedPage();

	for (DailyCycleInputWidget * w : dailyCycles())
		connect(w, &DailyCycleInputWidget::valueChanged, this, &ScheduleInputWidget::onDailyCycleChanged);
	connect(m_ui->lineEditMaximumValueSeason, &QtExt::ValidatingLineEdit::editingFinishedSuccessfully,
			this, &ScheduleInputWidget::maximumChanged);
	connect(m_ui->lineEditMaximumValueWeekday, &QtExt::ValidatingLineEdit::editingFinishedSuccessfully,
			this, &ScheduleInputWidget::maximumChanged);

	for (int i = 0; i < 4; ++i) {
		QWidget * page = m_ui->stackedWidgetSchedules->widget(i);
		if (page == nullptr) {
			BVX::BVX_Message(BVX::FormatText("StackedWidget has no widget with index '%1'.").arg(i), BVX::MSG_WARNING, FUNC_ID, 1);
			continue;
		}
		if (page->layout() == nullptr) {
			BVX::BVX_Message(BVX::FormatText("StackedWidget with index '%1'.\n").arg(i), BVX::MSG_PROGRESS, FUNC_ID, 1);
			continue;
		}
		page->layout()->setContentsMargins(0, 0, 0, 0);
	}
}


ScheduleInputWidget::~ScheduleInputWidget() {
	delete m_ui;
}


void ScheduleInputWidget::buildAnnualPage() {
	QVBoxLayout * pageLayout = new QVBoxLayout(m_ui->page_4);
	QHBoxLayout * importRow = new QHBoxLayout;
	importRow->setContentsMargins(0, 0, 0, 0);
	QLabel * hint = new QLabel(tr("Copy the schedule into the clipboard, then press the matching import button!"), m_ui->page_4);
	hint->setWordWrap(true);
	importRow->addWidget(hint);
	struct Button {
		QString m_text;
		QString m_toolTip;
		void (ScheduleInputWidget::*m_slot)();
	};
	const Button buttons[] = {
		{tr("Paste (day,value)"), tr("Expects a table with two columns, where columns are separated by whitespace characters. "
			"First column holds time points in days since midnight January 1st, second column holds corresponding values. "
			"Time points must be strictly monotonic increasing and should only reference each hour once."),
			&ScheduleInputWidget::onPushButtonImportDayClicked},
		{tr("Paste (hour,value)"), tr("Expects a table with two columns, where columns are separated by whitespace characters. "
			"First column holds time points in hours since midnight January 1st, second column holds corresponding values. "
			"Time points must be strictly monotonic increasing and should only reference each hour once."),
			&ScheduleInputWidget::onPushButtonImportHourClicked},
		{tr("Paste (hourly values)"), tr("Expects 8760 hourly values, separated by whitespace/endline characters."),
			&ScheduleInputWidget::onPushButtonImportHourlyClicked}
	};
	for (const Button & b : buttons) {
		QPushButton * button = new QPushButton(b.m_text, m_ui->page_4);
		button->setToolTip(b.m_toolTip);
		connect(button, &QPushButton::clicked, this, b.m_slot);
		importRow->addWidget(button);
	}
	pageLayout->addLayout(importRow);

	m_tabWidget = new QTabWidget(m_ui->page_4);
	m_tabWidget->setTabPosition(QTabWidget::West);
	m_plot = new SchedulePlot(m_tabWidget);
	m_tabWidget->addTab(m_plot, tr("Schedule Plot"));

	m_table = new QTableWidget(365, 25, m_tabWidget);
	QStringList headers(tr("Date/Time"));
	for (int k = 1; k <= 24; ++k)
		headers << tr("%1").arg(k, 2, 10, QChar('0'));
	m_table->setHorizontalHeaderLabels(headers);
	m_table->verticalHeader()->hide();
	m_table->verticalHeader()->setDefaultSectionSize(20);
	m_table->setAlternatingRowColors(true);
	const QDate first(2007, 1, 1);
	for (int d = 0; d < 365; ++d) {
		// counted in days: a shift of daylight saving time never shows the day before
		QTableWidgetItem * item = new QTableWidgetItem(dateText(first.addDays(d), tr("MMM dd")));
		item->setFlags(Qt::ItemIsEnabled);
		m_table->setItem(d, 0, item);
		for (int k = 1; k <= 24; ++k) {
			QTableWidgetItem * cell = new QTableWidgetItem;
			cell->setFlags(Qt::ItemIsEnabled);
			m_table->setItem(d, k, cell);
		}
	}
	m_table->horizontalHeader()->setStretchLastSection(false);
	m_table->resizeColumnsToContents();
	m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
	m_table->setColumnWidth(0, 100);
	m_tabWidget->addTab(m_table, tr("Tabulated Values"));
	pageLayout->addWidget(m_tabWidget);
}


void ScheduleInputWidget::buildInterpolatedPage() {
	QWidget * page = new QWidget(m_ui->stackedWidgetSchedules);
	page->setObjectName("page_5");
	QVBoxLayout * lay = new QVBoxLayout(page);
	m_interpolatedNote = new QLabel(tr("This schedule interpolates a time series, which cannot be edited here. "
									   "Choose another type to replace it."), page);
	m_interpolatedNote->setWordWrap(true);
	lay->addWidget(m_interpolatedNote);
	lay->addStretch(1);
	m_ui->stackedWidgetSchedules->addWidget(page);
}


QList<DailyCycleInputWidget *> ScheduleInputWidget::dailyCycles() const {
	return {m_ui->dailyCycleSummer, m_ui->dailyCycleWinter, m_ui->dailyCycleWeekDay, m_ui->dailyCycleWeekEnds};
}


void ScheduleInputWidget::setup(const QString & caption, const QString & unit, const QString & description,
								double minValue, double maxValue, RM::Schedule * schedule)
{
	m_schedule = schedule;
	m_minValue = minValue;
	m_description = description;
	const double largest = std::numeric_limits<double>::max();
	for (QtExt::ValidatingLineEdit * edit : {m_ui->lineEditMaximumValueSeason, m_ui->lineEditMaximumValueWeekday}) {
		// a maximum equal to the lower bound would leave no height for the graphs
		edit->setup(minValue, largest, tr("Maximum value allowed for input."), false, true);
		edit->setValue(maxValue);
	}
	m_ui->labelMaximumValueSeason->setText(tr("Maximum value in %1").arg(unit));
	m_ui->labelMaximumValueWeekday->setText(tr("Maximum value in %1").arg(unit));
	m_ui->labelConstantText->setText(QString("%1 [%2]:").arg(caption, unit));
	m_ui->lineEditConstantEdit->setup(minValue, largest, description, true, true);
	for (DailyCycleInputWidget * w : dailyCycles())
		w->setup(unit, minValue, maxValue, description);
	// a message about an hour names the schedule and its day
	const std::pair<DailyCycleInputWidget *, QLabel *> names[] = {
		{ m_ui->dailyCycleWinter, m_ui->label_5 }, { m_ui->dailyCycleSummer, m_ui->label_4 },
		{ m_ui->dailyCycleWeekDay, m_ui->label_6 }, { m_ui->dailyCycleWeekEnds, m_ui->label_7 }
	};
	for (const auto & n : names)
		n.first->setName(QString("%1, %2").arg(caption, n.second->text()));
	m_plot->setup(caption, unit, minValue, maxValue);
}


void ScheduleInputWidget::setUpperLimit(double upperLimit) {
	m_upperLimit = upperLimit;
	for (QtExt::ValidatingLineEdit * edit : {m_ui->lineEditMaximumValueSeason, m_ui->lineEditMaximumValueWeekday})
		edit->setup(m_minValue, upperLimit, tr("Maximum value allowed for input."), false, true);
	m_ui->lineEditConstantEdit->setup(m_minValue, upperLimit, m_description, true, true);
	for (DailyCycleInputWidget * w : dailyCycles())
		w->setUpperLimit(upperLimit);
}


void ScheduleInputWidget::setScheduleEditable(bool editable) {
	m_editable = editable;
	m_ui->comboBoxType->setEnabled(editable);
	if (editable && m_schedule != nullptr) {
		updateInterpolatedEntry();
		m_ui->comboBoxType->setCurrentIndex(m_schedule->m_type);
	}
	else
		m_ui->comboBoxType->setCurrentIndex(0);
	showPageOfType();
	m_ui->lineEditConstantEdit->setEnabled(editable);
	m_ui->lineEditMaximumValueSeason->setEnabled(true);
	m_ui->lineEditMaximumValueWeekday->setEnabled(true);
}


void ScheduleInputWidget::updateInput() {
	if (m_schedule == nullptr)
		return;
	const RM::Schedule & s = *m_schedule;
	TypedNumber::show(m_ui->lineEditConstantEdit, s.m_constantValue);
	for (int d = 0; d < 7; ++d) {
		const bool weekEnd = s.m_weekEndDays[size_t(d)];
		m_ui->listWidgetWeekDays->item(d)->setCheckState(weekEnd ? Qt::Unchecked : Qt::Checked);
		m_ui->listWidgetWeekEndDays->item(d)->setCheckState(weekEnd ? Qt::Checked : Qt::Unchecked);
	}
	m_ui->dailyCycleSummer->setValues(m_schedule->m_summerSchedule);
	m_ui->dailyCycleWinter->setValues(m_schedule->m_winterSchedule);
	m_ui->dailyCycleWeekDay->setValues(m_schedule->m_weekDaySchedule);
	m_ui->dailyCycleWeekEnds->setValues(m_schedule->m_weekEndSchedule);
	m_ui->spinBoxSummerStart->setValue(int(m_schedule->m_summerStartDay));
	m_ui->spinBoxWinterStart->setValue(int(m_schedule->m_winterStartDay));

	if (m_schedule->m_annualValues.size() == HOURS_PER_YEAR)
		showAnnualValues();
	else
		clearAnnualValues(); // the previous project's series is not this schedule's

	// a read-only editor stays on the constant page
	if (m_editable) {
		updateInterpolatedEntry();
		m_ui->comboBoxType->setCurrentIndex(m_schedule->m_type);
	}
	showPageOfType();
}


void ScheduleInputWidget::showPageOfType() {
	// removing the fifth entry moves the index without a signal: the page follows here
	m_ui->stackedWidgetSchedules->setCurrentIndex(std::max(0, m_ui->comboBoxType->currentIndex()));
}


void ScheduleInputWidget::updateInterpolatedEntry() {
	QComboBox * combo = m_ui->comboBoxType;
	const bool interpolated = m_schedule->m_type == RM::Schedule::DATLINEAR;
	if (interpolated && combo->count() == INTERPOLATED_INDEX)
		combo->addItem(tr("Interpolated time series"));
	else if (!interpolated && combo->count() > INTERPOLATED_INDEX) {
		const QSignalBlocker block(combo);
		combo->removeItem(INTERPOLATED_INDEX);
	}
}


void ScheduleInputWidget::showAnnualValues() {
	const std::vector<double> & y = m_schedule->m_annualValues;
	std::vector<double> x(y.size());
	for (size_t h = 0; h < x.size(); ++h)
		x[h] = double(h)/24.0;
	m_plot->setValues(x, y);
	m_table->setUpdatesEnabled(false);
	for (int d = 0; d < 365; ++d)
		for (int k = 1; k <= 24; ++k) {
			QTableWidgetItem * item = new QTableWidgetItem(QString("%L1").arg(y[size_t(24*d + k - 1)]));
			item->setFlags(Qt::ItemIsEnabled);
			m_table->setItem(d, k, item);
		}
	m_table->resizeColumnsToContents();
	m_table->setColumnWidth(0, 100);
	m_table->setUpdatesEnabled(true);
}


void ScheduleInputWidget::clearAnnualValues() {
	m_plot->setValues(std::vector<double>(), std::vector<double>());
	for (int d = 0; d < 365; ++d)
		for (int k = 1; k <= 24; ++k)
			m_table->item(d, k)->setText(QString());
}


void ScheduleInputWidget::on_comboBoxType_currentIndexChanged(int index) {
	if (index < 0)
		return;
	m_ui->stackedWidgetSchedules->setCurrentIndex(index);
	if (!m_editable || m_schedule == nullptr || m_schedule->m_type == index)
		return;
	// an annual schedule without its series would run on the constant: it starts from the
	// values in force, so that what is shown, saved and simulated agree
	if (index == RM::Schedule::ANNUAL && m_schedule->m_annualValues.size() != size_t(HOURS_PER_YEAR)) {
		std::vector<double> values(static_cast<size_t>(HOURS_PER_YEAR));
		for (unsigned int h = 0; h < unsigned(HOURS_PER_YEAR); ++h)
			values[h] = m_schedule->value(h, h*3600.0);
		m_schedule->m_annualValues.swap(values);
		showAnnualValues();
	}
	m_schedule->m_type = index; // index 4 exists only for an interpolating schedule
}


void ScheduleInputWidget::on_lineEditConstantEdit_editingFinished() {
	if (m_schedule == nullptr)
		return;
	TypedNumber::take(m_ui->lineEditConstantEdit, m_schedule->m_constantValue);
}


void ScheduleInputWidget::on_listWidgetWeekDays_itemChanged(QListWidgetItem * item) {
	setWeekEndDay(m_ui->listWidgetWeekDays->row(item), item->checkState() != Qt::Checked);
}


void ScheduleInputWidget::on_listWidgetWeekEndDays_itemChanged(QListWidgetItem * item) {
	setWeekEndDay(m_ui->listWidgetWeekEndDays->row(item), item->checkState() == Qt::Checked);
}


void ScheduleInputWidget::setWeekEndDay(int day, bool weekEnd) {
	if (m_schedule == nullptr || day < 0 || day > 6)
		return;
	m_schedule->m_weekEndDays[size_t(day)] = weekEnd;
	// setting an item to the state it has emits nothing: the mirroring stops here
	m_ui->listWidgetWeekDays->item(day)->setCheckState(weekEnd ? Qt::Unchecked : Qt::Checked);
	m_ui->listWidgetWeekEndDays->item(day)->setCheckState(weekEnd ? Qt::Checked : Qt::Unchecked);
}


void ScheduleInputWidget::on_spinBoxWinterStart_valueChanged(int day) {
	m_ui->lineEditWinterStart->setText(dateText(QDate(2001, 1, 1).addDays(day), tr("MMMM dd")));
	storeStartDay(day, m_schedule != nullptr ? &m_schedule->m_winterStartDay : nullptr);
}


void ScheduleInputWidget::on_spinBoxSummerStart_valueChanged(int day) {
	m_ui->lineEditSummerStart->setText(dateText(QDate(2001, 1, 1).addDays(day), tr("MMMM dd")));
	storeStartDay(day, m_schedule != nullptr ? &m_schedule->m_summerStartDay : nullptr);
}


void ScheduleInputWidget::storeStartDay(int day, unsigned int * member) {
	if (member != nullptr)
		*member = unsigned(day);
}


void ScheduleInputWidget::onDailyCycleChanged() {
	if (m_schedule == nullptr)
		return;
	const QObject * s = sender();
	std::vector<double> * profile = nullptr;
	if (s == m_ui->dailyCycleSummer)
		profile = &m_schedule->m_summerSchedule;
	else if (s == m_ui->dailyCycleWinter)
		profile = &m_schedule->m_winterSchedule;
	else if (s == m_ui->dailyCycleWeekDay)
		profile = &m_schedule->m_weekDaySchedule;
	else if (s == m_ui->dailyCycleWeekEnds)
		profile = &m_schedule->m_weekEndSchedule;
	const DailyCycleInputWidget * cycle = qobject_cast<const DailyCycleInputWidget *>(s);
	if (profile != nullptr && cycle != nullptr)
		*profile = cycle->values();
}


void ScheduleInputWidget::maximumChanged() {
	const QtExt::ValidatingLineEdit * edit = qobject_cast<const QtExt::ValidatingLineEdit *>(sender());
	if (edit == nullptr)
		return;
	for (DailyCycleInputWidget * w : dailyCycles())
		w->setMaximumValue(edit->m_value);
	m_plot->setMaximumValue(edit->m_value);
}


ScheduleInputWidget::ParseResult ScheduleInputWidget::parseTimeValuePairs(const QString & text, double hoursPerUnit,
																		  std::vector<double> & values)
{
	if (text.isEmpty())
		return ParseEmpty;
	std::vector<double> numbers;
	if (!readPairs(text, numbers))
		return ParseInvalid;

	std::vector<double> result(HOURS_PER_YEAR, 0.0);
	int n = 0;
	double previous = 0;
	for (size_t i = 0; i < numbers.size() && n < HOURS_PER_YEAR; i += 2) {
		const double t = numbers[i];
		const double v = numbers[i + 1];
		// clamped before the conversion: times far outside the year stay defined
		const double hour = std::min(std::max(t*hoursPerUnit, 0.0), double(HOURS_PER_YEAR));
		const int k = int(hour);
		for (; n < k && n < HOURS_PER_YEAR; ++n)
			result[size_t(n)] = previous;
		// the hours before the first time point take the first value
		if (i == 0)
			std::fill(result.begin(), result.begin() + n, v);
		previous = v;
	}
	std::fill(result.begin() + n, result.end(), previous);
	values.swap(result);
	return ParseOk;
}


ScheduleInputWidget::ParseResult ScheduleInputWidget::parseHourlyValues(const QString & text, std::vector<double> & values) {
	if (text.isEmpty())
		return ParseEmpty;
	std::vector<double> result;
	if (!readNumbers(text, HOURS_PER_YEAR, result) || result.size() != size_t(HOURS_PER_YEAR))
		return ParseInvalid;
	values.swap(result);
	return ParseOk;
}


bool ScheduleInputWidget::readNumbers(const QString & text, int maxCount, std::vector<double> & numbers) {
	const QStringList fields = text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
	numbers.clear();
	for (const QString & field : fields) {
		if (maxCount >= 0 && int(numbers.size()) == maxCount)
			break;	// the rest of the text is not read
		double v = 0;
		if (!QtExt::readUserNumber(field, v))
			return false;
		numbers.push_back(v);
	}
	return !numbers.empty();
}


bool ScheduleInputWidget::readPairs(const QString & text, std::vector<double> & numbers) {
	// line by line: "0,20" under German is one number, and two such lines must not make a pair
	numbers.clear();
	const QStringList lines = text.split(QRegularExpression("[\\r\\n]+"), Qt::SkipEmptyParts);
	for (const QString & line : lines) {
		const QStringList fields = line.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
		if (fields.isEmpty())
			continue;
		if (fields.size() != 2)
			return false;
		for (const QString & field : fields) {
			double v = 0;
			if (!QtExt::readUserNumber(field, v))
				return false;
			numbers.push_back(v);
		}
	}
	return !numbers.empty();
}


void ScheduleInputWidget::importPairs(double hoursPerUnit) {
	std::vector<double> values;
	const ParseResult res = parseTimeValuePairs(QGuiApplication::clipboard()->text(), hoursPerUnit, values);
	applyImport(res, values, tr("Invalid format, expected table with two columns of numbers, separated by white-space character(s)."));
}


void ScheduleInputWidget::applyImport(ParseResult res, const std::vector<double> & values, const QString & invalidMessage) {
	if (res != ParseOk) {
		QMessageBox::critical(this, tr("Cannot paste schedule data"),
							  res == ParseEmpty ? tr("No data on clipboard") : invalidMessage);
		return;
	}
	if (m_schedule == nullptr)
		return;
	if (*std::min_element(values.begin(), values.end()) < m_minValue) {
		QMessageBox::critical(this, tr("Cannot paste schedule data"),
			tr("The data hold values below %L1, which are not accepted here.").arg(m_minValue)
				+ (m_description.isEmpty() ? QString() : "\n" + m_description));
		return;
	}
	if (*std::max_element(values.begin(), values.end()) > m_upperLimit) {
		QMessageBox::critical(this, tr("Cannot paste schedule data"),
			tr("The data hold values above %L1, which are not accepted here.").arg(m_upperLimit)
				+ (m_description.isEmpty() ? QString() : "\n" + m_description));
		return;
	}
	m_schedule->m_annualValues = values;
	updateInput();
}


void ScheduleInputWidget::onPushButtonImportDayClicked() {
	importPairs(24);
}


void ScheduleInputWidget::onPushButtonImportHourClicked() {
	importPairs(1);
}


void ScheduleInputWidget::onPushButtonImportHourlyClicked() {
	std::vector<double> values;
	const ParseResult res = parseHourlyValues(QGuiApplication::clipboard()->text(), values);
	applyImport(res, values, tr("Invalid format, expected 8760 hourly values."));
}
