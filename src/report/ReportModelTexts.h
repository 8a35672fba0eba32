#ifndef ReportModelTextsH
#define ReportModelTextsH

#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QString>

namespace RM {
	class CoolingModel;
	class HeatingModel;
	class MechanicalVentilationModel;
	class NaturalVentilationModel;
	class Schedule;
	class ShadingControlModel;
	class UserLoads;
}

/*! Label and value rows that describe the project's own load and control models in the
	report: the kind of model and its main values, a schedule as its range over the year. */
class ReportModelTexts {
	Q_DECLARE_TR_FUNCTIONS(ReportModelTexts)
public:
	typedef std::vector<std::pair<QString, QString>> Rows;

	/*! "%L1 %2" in fixed notation. */
	static QString valueText(double value, const QString & unit, int decimals);
	/*! A constant schedule as its value, any other as "schedule" with its least and
		largest hourly value of the year. */
	static QString scheduleText(const RM::Schedule & schedule, const QString & unit, int decimals);

	static Rows naturalVentilation(const RM::NaturalVentilationModel & model);
	static Rows mechanicalVentilation(const RM::MechanicalVentilationModel & model);
	static Rows internalLoads(const RM::UserLoads & loads);
	static Rows heating(const RM::HeatingModel & model);
	/*! The cooling model; the dehumidification set point only for a run with the moisture
		balance, the only one that dehumidifies. */
	static Rows cooling(const RM::CoolingModel & model, bool moistureBalance);
	static Rows shading(const RM::ShadingControlModel & model);
};

#endif // ReportModelTextsH
