#ifndef ReportTestFixtureH
#define ReportTestFixtureH

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <QPainter>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <BVX_MessageHandler.h>
#include <QtExt_ReportFrameBase.h>

#include <RM_CaldoryneModelInterface.h>
#include <RM_Database.h>

/*! Pieces of the report tests: a model of a few walls built in memory, a database naming
	their construction types, a message recorder and the poppler tools. */
namespace ReportTest {

/*! Model whose walls use the given construction types; the model is not initialised,
	the report only reads its room and walls. */
inline std::unique_ptr<RM::CaldoryneModelInterface> model(const std::vector<unsigned int> & constructionIds,
														  const QString & projectName = "Test office") {
	std::unique_ptr<RM::CaldoryneModelInterface> m(new RM::CaldoryneModelInterface);
	m->m_room.m_projectInformation.m_projectName = projectName;
	for (unsigned int id : constructionIds) {
		RM::RoomConstruction rc;
		rc.m_constructionId = id;
		m->m_constructions.push_back(rc);
	}
	return m;
}

/*! Database with construction types "Construction <id>" for the ids. */
inline void addConstructionTypes(RM::Database & db, const std::vector<unsigned int> & ids) {
	for (unsigned int id : ids) {
		RM::ConstructionType ct;
		ct.setName("en", QString("Construction %1").arg(id));
		db.addConstructionType(ct, id);
	}
}

/*! Records the messages of one type (errors unless told) passed to the message handler while it lives. */
class MessageRecorder : public BVX::MessageHandler {
public:
	struct Message {
		std::string	m_text;
		int			m_type;
		std::string	m_functionID;
	};
	explicit MessageRecorder(int type = BVX::MSG_ERROR) : m_type(type) {
		BVX::MessageHandlerRegistry::instance().setMessageHandler(this);
	}
	~MessageRecorder() override { BVX::MessageHandlerRegistry::instance().setMessageHandler(nullptr); }
	/*! Keeps the messages of the recorded type only. */
	void msg(const std::string & text, int t, const char * functionID, int) override {
		if (t == m_type)
			m_messages.push_back(Message{ text, t, functionID != nullptr ? functionID : "" });
	}
	int					m_type;
	std::vector<Message> m_messages;
};

/*! A frame of a given height in millimetres with a text, or one that throws on layout. */
class TestFrame : public QtExt::ReportFrameBase {
public:
	TestFrame(QtExt::Report * report, QTextDocument * doc, double heightMM, const QString & text, bool throws = false) :
		QtExt::ReportFrameBase(report, doc), m_heightMM(heightMM), m_text(text), m_throws(throws) {}
	void update(QPaintDevice * device, double width) override {
		if (m_throws)
			throw std::runtime_error("Frame cannot be laid out");
		m_frameRect = QRectF(0, 0, width, m_heightMM * device->logicalDpiY() / 25.4);
	}
	void draw(QPainter * painter, const QRectF & frame) override {
		painter->drawText(frame, Qt::AlignLeft | Qt::AlignTop, m_text);
	}
	double	m_heightMM;
	QString	m_text;
	bool	m_throws;
};

/*! Output of a poppler tool; a missing tool fails the test. */
QString runTool(const QString & program, const QStringList & args);
int pdfPages(const QString & file);
QString pdfPageSize(const QString & file);
/*! Text of one page (0: all pages) with the f-ligatures spelt out. */
QString pdfText(const QString & file, int page = 0);
/*! Pages rendered at 50 dpi that hold some non-background pixel. */
int pdfPagesWithInk(const QString & file);

} // namespace ReportTest

#endif // ReportTestFixtureH
