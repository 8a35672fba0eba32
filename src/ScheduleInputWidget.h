#ifndef ScheduleInputWidgetH
#define ScheduleInputWidgetH

#include <vector>

#include <QWidget>

namespace Ui {
	class ScheduleInputWidget;
}

namespace RM {
	class Schedule;
}

class QLabel;
class QListWidgetItem;
class QTableWidget;
class QTabWidget;
class SchedulePlot;
class DailyCycleInputWidget;

/*! Editor of one schedule: constant, winter/summer or week-day/week-end daily cycles, or an
	annual hourly series pasted from the clipboard. Edits go straight into the schedule. */
class ScheduleInputWidget : public QWidget {
	Q_OBJECT
public:
	/*! Outcome of reading clipboard text. */
	enum ParseResult {
		ParseOk,
		/*! No text at all. */
		ParseEmpty,
		/*! Not the expected numbers. */
		ParseInvalid
	};

	explicit ScheduleInputWidget(QWidget * parent = nullptr);
	~ScheduleInputWidget() override;

	/*! Called once by the owning page. minValue bounds every typed value; maxValue is only the
		initial upper end of the graphs. The schedule must outlive the widget. */
	void setup(const QString & caption, const QString & unit, const QString & description,
			   double minValue, double maxValue, RM::Schedule * schedule);
	void setScheduleEditable(bool editable);
	/*! Form from schedule. */
	void updateInput();

	/*! Reads time-value pairs (time in units of hoursPerUnit hours) into 8760 hourly values:
		each value holds from its time's hour up to the next time's hour, the first value also
		before it, the last one to the end of the year. Reading ends at the first unreadable
		pair; ParseInvalid if that is the first one. ',' counts as decimal point. */
	static ParseResult parseTimeValuePairs(const QString & text, double hoursPerUnit, std::vector<double> & values);
	/*! Reads 8760 hourly values; ParseInvalid if fewer can be read, text after them is ignored. */
	static ParseResult parseHourlyValues(const QString & text, std::vector<double> & values);

	SchedulePlot * plot() const { return m_plot; }
	QTableWidget * annualTable() const { return m_table; }

signals:
	/*! A committed edit changed the schedule (not emitted by updateInput()). */
	void projectModified();

public slots:
	void on_lineEditConstantEdit_editingFinished();
	void on_listWidgetWeekEndDays_itemChanged(QListWidgetItem * item);
	void on_listWidgetWeekDays_itemChanged(QListWidgetItem * item);
	void on_comboBoxType_currentIndexChanged(int index);
	void on_spinBoxWinterStart_valueChanged(int day);
	void on_spinBoxSummerStart_valueChanged(int day);
	void onPushButtonImportDayClicked();
	void onPushButtonImportHourClicked();
	void onPushButtonImportHourlyClicked();
	void onDailyCycleChanged();
	void maximumChanged();

private:
	void buildAnnualPage();
	void buildInterpolatedPage();
	/*! Shows the fifth type entry only while the schedule interpolates a time series. */
	void updateInterpolatedEntry();
	void showAnnualValues();
	void clearAnnualValues();
	/*! Week-end flag of a day (0 = Monday), mirrored into both lists. */
	void setWeekEndDay(int day, bool weekEnd);
	/*! Stores a start day of the summer or winter season (member may be null). */
	void storeStartDay(int day, unsigned int * member);
	void importPairs(double hoursPerUnit);
	void applyImport(ParseResult res, const std::vector<double> & values, const QString & invalidMessage);
	QList<DailyCycleInputWidget *> dailyCycles() const;

	Ui::ScheduleInputWidget *	m_ui;
	RM::Schedule *				m_schedule = nullptr;
	SchedulePlot *				m_plot = nullptr;
	QTableWidget *				m_table = nullptr;
	QTabWidget *				m_tabWidget = nullptr;
	QLabel *					m_interpolatedNote = nullptr;
	/*! Cleared while the model's own settings make the schedule irrelevant. */
	bool						m_editable = true;
};

#endif // ScheduleInputWidgetH
