#ifndef ScheduleInputWidgetH
#define ScheduleInputWidgetH

#include <limits>
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
	/*! Highest value accepted in typed, dragged and pasted values (after setup()). */
	void setUpperLimit(double upperLimit);
	/*! Form from schedule. */
	void updateInput();

	/*! Reads time-value pairs (time in units of hoursPerUnit hours) into 8760 hourly values:
		each value holds from its time's hour up to the next time's hour, the first value also
		before it, the last one to the end of the year. Numbers are read in the current locale
		or with '.' as decimal point; any other field, or a row of one number, gives ParseInvalid. */
	static ParseResult parseTimeValuePairs(const QString & text, double hoursPerUnit, std::vector<double> & values);
	/*! Reads 8760 hourly values (numbers as above); ParseInvalid if fewer can be read, text
		after them is ignored. */
	static ParseResult parseHourlyValues(const QString & text, std::vector<double> & values);

	SchedulePlot * plot() const { return m_plot; }
	QTableWidget * annualTable() const { return m_table; }

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
	/*! The stacked page of the entry the type combo box shows. */
	void showPageOfType();
	void clearAnnualValues();
	/*! Week-end flag of a day (0 = Monday), mirrored into both lists. */
	void setWeekEndDay(int day, bool weekEnd);
	/*! Stores a start day of the summer or winter season (member may be null). */
	void storeStartDay(int day, unsigned int * member);
	/*! All white-space separated fields of text as numbers, at most maxCount (-1: all);
		false at the first field that is no number, or when there is none. */
	static bool readNumbers(const QString & text, int maxCount, std::vector<double> & numbers);
	/*! Reads time-value pairs, one pair of white-space separated numbers per line (blank
		lines skipped); false for any other line. */
	static bool readPairs(const QString & text, std::vector<double> & numbers);
	void importPairs(double hoursPerUnit);
	void applyImport(ParseResult res, const std::vector<double> & values, const QString & invalidMessage);
	QList<DailyCycleInputWidget *> dailyCycles() const;

	Ui::ScheduleInputWidget *	m_ui;
	RM::Schedule *				m_schedule = nullptr;
	/*! Lowest value accepted in typed and pasted values. */
	double						m_minValue = 0;
	/*! Highest value accepted in typed and pasted values. */
	double						m_upperLimit = std::numeric_limits<double>::max();
	/*! Message for refused values. */
	QString						m_description;
	SchedulePlot *				m_plot = nullptr;
	QTableWidget *				m_table = nullptr;
	QTabWidget *				m_tabWidget = nullptr;
	QLabel *					m_interpolatedNote = nullptr;
	/*! Cleared while the model's own settings make the schedule irrelevant. */
	bool						m_editable = true;
};

#endif // ScheduleInputWidgetH
