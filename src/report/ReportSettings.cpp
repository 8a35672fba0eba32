#include "ReportSettings.h"

#include <QSettings>
#include <QStringList>
#include <QTextDocument>

ReportSettings::ReportSettings() {
	setDefaults();
}


void ReportSettings::setDefaults() {
	m_activatedFrames.clear();
	for (int i = 0; i < 14; ++i)
		m_activatedFrames.insert(i);
	m_currentPageNumbersVisible = true;
	m_fontFamily = "Verdana";
	m_font = QTextDocument().defaultFont();
	m_font.setFamily(m_fontFamily);
	m_font.setPointSize(8);
	m_headingType = 1;
	m_overTemperatureHoursP2 = false;
	m_overTemperatureHoursP4 = false;
}


ReportSettings & ReportSettings::instance() {
	static ReportSettings settings;
	return settings;
}


void ReportSettings::read(QSettings & settings) {
	settings.beginGroup("ReportSettings");
	const QString frames = settings.value("ActivatedFrames").toString();
	if (!frames.isEmpty()) {
		const QStringList parts = frames.split(" ", Qt::KeepEmptyParts);
		for (int i = 0; i < NUM_FRAME_IDS && i < parts.size(); ++i) {
			bool ok = false;
			const int flag = parts[i].toInt(&ok, 10);
			if (ok && flag != 0)
				m_activatedFrames.insert(i);
			else
				m_activatedFrames.erase(i);
		}
	}
	m_activatedFrames.insert(PROGRAM_DESCRIPTION_FRAME);
	m_currentPageNumbersVisible = settings.value("CurrentPageNumbersVisible", false).toBool();
	m_overTemperatureHoursP2 = settings.value("OverTemperatureHoursP2", false).toBool();
	m_overTemperatureHoursP4 = settings.value("OverTemperatureHoursP4", false).toBool();
	const QVariant font = settings.value("ReportFont");
	if (font.canConvert<QFont>())
		m_font = font.value<QFont>();
	else
		m_font = QFont();
	settings.endGroup();
}


void ReportSettings::write(QSettings & settings) const {
	settings.beginGroup("ReportSettings");
	QString frames;
	for (int i = 0; i < NUM_FRAME_IDS; ++i)
		frames += QString("%1 ").arg(m_activatedFrames.count(i) ? 1 : 0, 0, 10, QChar(' '));
	settings.setValue("ActivatedFrames", frames);
	settings.setValue("CurrentPageNumbersVisible", m_currentPageNumbersVisible);
	settings.setValue("OverTemperatureHoursP2", m_overTemperatureHoursP2);
	settings.setValue("OverTemperatureHoursP4", m_overTemperatureHoursP4);
	settings.setValue("ReportFont", m_font);
	settings.endGroup();
}
