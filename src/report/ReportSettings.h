#ifndef ReportSettingsH
#define ReportSettingsH

#include <set>

#include <QFont>
#include <QString>

class QSettings;

/*! The user's report options for the whole process: activated sections, page numbers,
	the over-temperature hours of the cases P2 and P4, and the report font. One instance,
	read from the settings at start-up and written back on New and on close.
*/
class ReportSettings {
public:
	/*! Number of section ids stored in "ActivatedFrames" (0..14). */
	static constexpr int NUM_FRAME_IDS = 15;
	/*! The program-description section, which cannot be switched off. */
	static constexpr int PROGRAM_DESCRIPTION_FRAME = 13;

	static ReportSettings & instance();

	/*! All sections but 14, page numbers on, no P2/P4 hours, Verdana 8 pt. */
	void setDefaults();

	/*! Loads all stored options from the group "ReportSettings". */
	void read(QSettings & settings);
	/*! Stores all options in the group "ReportSettings". */
	void write(QSettings & settings) const;

	/*! Section ids whose frames are shown. */
	std::set<int>	m_activatedFrames;
	bool			m_currentPageNumbersVisible;
	QString			m_fontFamily;
	QFont			m_font;
	/*! Heading type of the project-information frame's title; not stored. */
	int				m_headingType;
	bool			m_overTemperatureHoursP2;
	bool			m_overTemperatureHoursP4;

private:
	ReportSettings();
};

#endif // ReportSettingsH
