#ifndef RM_TestSupportH
#define RM_TestSupportH

#include <ostream>
#include <string>
#include <vector>

#include <QString>

#include <BVX_MessageHandler.h>

class QXmlStreamReader;

/*! Readable QString output in test failure messages. */
inline void PrintTo(const QString & s, std::ostream * os) { *os << '"' << s.toStdString() << '"'; }

namespace RMTest {

/*! Collects all messages while it lives; the previous handler is restored afterwards. */
class MessageCapture : public BVX::MessageHandler {
public:
	struct Message {
		std::string	m_text;
		int			m_type;
		std::string	m_functionID;
	};

	MessageCapture();
	~MessageCapture() override;

	void msg(const std::string & text, int t, const char * functionID, int verbose_level) override;

	/*! Number of messages of the given type whose text contains the fragment. */
	unsigned int count(int type, const std::string & fragment) const;

	std::vector<Message>	m_messages;

private:
	BVX::MessageHandler *	m_previous;
};

/*! Positions the reader on the first start element of the text. */
void startReader(QXmlStreamReader & reader, const QString & xml);

/*! Settings organisation and program name used by all tests. */
extern const char * const SETTINGS_ORG;
extern const char * const SETTINGS_PROGRAM;

/*! Stores the user-interface language in the test settings. */
void setLanguage(const QString & langId);

} // namespace RMTest

#endif // RM_TestSupportH
