#ifndef ReportH
#define ReportH

#include <array>
#include <vector>

#include <QtExt_Report.h>

namespace RM {
	class CaldoryneModelInterface;
	class Database;
}

/*! The printable report of one project: the section frames in their fixed order, each
	tagged with its section id and shown or hidden after the activated sections of the
	report settings. */
class Report : public QtExt::Report {
	Q_OBJECT
public:
	/*! Section ids 0..14 (0 and 1 carry no frame). */
	static constexpr int NUM_SECTIONS = 15;

	explicit Report(QObject * parent = nullptr);

	/*! Stores project and database; re-creates the frames when the model or the ordered set
		of construction-type ids changed, and applies the activated sections to every frame. */
	void setData(const RM::CaldoryneModelInterface * project, const RM::Database * database);

	using QtExt::Report::print;
	/*! Whole-document print, returns the pages printed; an unwritable PDF target throws
		BVX::Exception naming the file. */
	int print(QPrinter * printer, QFont font) override;

	const RM::CaldoryneModelInterface * project() const { return m_project; }
	const RM::Database * database() const { return m_database; }

	/*! Frames of a section, in registration order. */
	const std::vector<QtExt::ReportFrameBase *> & frames(int sectionId) const { return m_frames[size_t(sectionId)]; }

private:
	void registerFrame(int sectionId, QtExt::ReportFrameBase * frame);
	void clearFrames();
	void createFrames();
	/*! Hidden flag of every frame after the activated sections of the settings. */
	void applyActivatedSections();

	std::array<std::vector<QtExt::ReportFrameBase *>, NUM_SECTIONS>	m_frames;
	const RM::CaldoryneModelInterface *	m_project = nullptr;
	const RM::Database *				m_database = nullptr;
	/*! Model and construction-type ids the frames were created for. */
	const RM::CaldoryneModelInterface *	m_framesProject = nullptr;
	std::vector<unsigned int>			m_framesConstructionIds;
	bool								m_framesCreated = false;
};

#endif // ReportH
