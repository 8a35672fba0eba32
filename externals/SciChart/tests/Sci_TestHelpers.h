#ifndef Sci_TestHelpersH
#define Sci_TestHelpersH

#include <stdexcept>
#include <string>
#include <vector>

#include <tinyxml.h>

#include <BVX_MessageHandler.h>
#include <BVX_UnitVector.h>

#include <Sci_AbstractLineSeriesModel.h>

namespace SCI_Test {

/*! A unit vector without name, for data sets of test charts. */
inline BVX::UnitVector vec(const char * unit, std::vector<double> values) {
	return BVX::UnitVector("", BVX::Unit(unit), values);
}

/*! Collects the messages sent while it lives. */
class MessageCollector : public BVX::MessageHandler {
public:
	struct Message {
		std::string text;
		int type;
		std::string functionID;
		int verbosity;
	};
	MessageCollector() { BVX::MessageHandlerRegistry::instance().setMessageHandler(this); }
	~MessageCollector() override { BVX::MessageHandlerRegistry::instance().setMessageHandler(nullptr); }
	void msg(const std::string & text, int t, const char * functionID, int verbose_level) override {
		m_messages.push_back(Message{text, t, functionID, verbose_level});
	}
	int count(int type) const {
		int n = 0;
		for (const Message & m : m_messages)
			n += m.type == type ? 1 : 0;
		return n;
	}
	std::vector<Message> m_messages;
};

/*! Line series model with records but no values: the role setters of the abstract models. */
class PropertiesOnlyModel : public SCI::AbstractLineSeriesModel {
public:
	explicit PropertiesOnlyModel(int series = 0) {
		if (series > 0) {
			beginInsertSeries(0, series - 1);
			endInsertSeries();
		}
	}
	int openBrackets() const { return m_changes.size(); }
	const double * xValues(unsigned int) const override { return nullptr; }
	const double * yValues(unsigned int) const override { return nullptr; }
};

/*! The model's chart-properties document as text. */
inline std::string writeToText(const SCI::AbstractChartModel & model) {
	TiXmlElement root("Chart");
	model.writeXML(&root);
	TiXmlPrinter printer;
	root.Accept(&printer);
	return printer.CStr();
}

/*! Reads a document text (its root element) into the model. */
inline void readFromText(SCI::AbstractChartModel & model, const std::string & text) {
	TiXmlDocument doc;
	doc.Parse(text.c_str(), nullptr, TIXML_ENCODING_UTF8);
	if (doc.Error() || doc.RootElement() == nullptr)
		throw std::runtime_error("unparsable test document: " + text);
	model.readXML(doc.RootElement());
}

} // namespace SCI_Test

#endif // Sci_TestHelpersH
