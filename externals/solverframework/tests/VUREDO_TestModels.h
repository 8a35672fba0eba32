#ifndef VUREDO_TestModelsH
#define VUREDO_TestModelsH

// Small models and helpers shared by the solver framework tests.

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <BVX_MessageHandler.h>

#include <VUREDO_IntegratorSundialsCVODE.h>
#include <VUREDO_JacobianSparseCSR.h>
#include <VUREDO_LESBand.h>
#include <VUREDO_LESDense.h>
#include <VUREDO_LESKLU.h>
#include <VUREDO_ModelInterface.h>

namespace VUREDOTest {

/*! Collects all messages instead of printing them, while it is the current handler. */
class CapturingMessageHandler : public BVX::MessageHandler {
public:
	struct Message {
		std::string	m_text;
		int			m_type;
		std::string	m_functionID;
	};
	CapturingMessageHandler() { BVX::MessageHandlerRegistry::instance().setMessageHandler(this); }
	~CapturingMessageHandler() override { BVX::MessageHandlerRegistry::instance().setMessageHandler(nullptr); }
	void msg(const std::string & text, int t, const char * functionID, int) override {
		m_messages.push_back(Message{text, t, functionID != nullptr ? functionID : ""});
	}
	bool contains(const std::string & text, int type = -1) const {
		for (const Message & m : m_messages)
			if (m.m_text.find(text) != std::string::npos && (type == -1 || m.m_type == type))
				return true;
		return false;
	}
	std::vector<Message> m_messages;
};


/*! Finite-volume heat conduction in a rod of N cells (diffusivity a, cell width dx):
	fixed end values at the outer faces, or insulated ends. The model owns a CVODE
	integrator and the linear solver named in the constructor ("Dense", "Band", "KLU",
	"" for none).
*/
class TestRod : public VUREDO::ModelInterface {
public:
	TestRod(unsigned int nodes, const std::string & les, double tEnd = 86400) :
		m_nodes(nodes), m_tEnd(tEnd), m_y(nodes, 20.0), m_y0(nodes, 20.0)
	{
		for (unsigned int i = 0; i < nodes; ++i) {
			unsigned int first = i > 0 ? i - 1 : 0;
			unsigned int last = i + 1 < nodes ? i + 1 : i;
			for (unsigned int j = first; j <= last; ++j)
				m_ja.push_back(j);
			m_ia.push_back(static_cast<unsigned int>(m_ja.size()));
		}
		m_ia.insert(m_ia.begin(), 0u);
		if (les == "KLU") {
			m_jacobian.reset(new VUREDO::JacobianSparseCSR(nodes, static_cast<unsigned int>(m_ja.size()),
														   m_ia.data(), m_ja.data()));
			m_les.reset(new VUREDO::LESKLU);
		}
		else if (les == "Dense")
			m_les.reset(new VUREDO::LESDense);
		else if (les == "Band")
			m_les.reset(new VUREDO::LESBand(1, 1));
		m_cvode.m_relTol = 1e-8;
		m_cvode.m_absTol = 1e-8;
	}

	unsigned int n() const override { return m_nodes; }
	const double * y0() const override { return m_y0.data(); }
	double t0() const override { return 0; }
	double dt0() const override { return 1; }
	double tEnd() const override { return m_tEnd; }
	int setTime(double t) override { m_t = t; return 0; }
	int setY(const double * y) override { m_y.assign(y, y + m_nodes); return 0; }
	int ydot(double * ydot) override {
		++m_ydotCalls;
		if (m_ydotHook) {
			int res = m_ydotHook(m_t);
			if (res != 0)
				return res;
		}
		const double c = m_a / (m_dx * m_dx);
		for (unsigned int i = 0; i < m_nodes; ++i) {
			double left = i > 0 ? c * (m_y[i - 1] - m_y[i]) : (m_insulated ? 0 : 2 * c * (m_tLeft - m_y[i]));
			double right = i + 1 < m_nodes ? c * (m_y[i + 1] - m_y[i]) : (m_insulated ? 0 : 2 * c * (m_tRight - m_y[i]));
			ydot[i] = left + right;
		}
		return 0;
	}
	void writeOutputs(double t, const double * y) override {
		m_outputs.push_back(std::make_pair(t, std::vector<double>(y, y + m_nodes)));
	}
	void stepCompleted(double t, const double *) override { m_stepTimes.push_back(t); }

	VUREDO::LESInterface * lesInterface() override { return m_les.get(); }
	VUREDO::IntegratorInterface * integratorInterface() override { return m_useOwnIntegrator ? &m_cvode : nullptr; }
	VUREDO::JacobianInterface * jacobianInterface() override { return m_jacobian.get(); }
	VUREDO::OutputScheduler * outputScheduler() override { return m_scheduler; }

	int calculateErrorWeights(const double * y, double * weights) override {
		for (unsigned int i = 0; i < m_nodes; ++i)
			weights[i] = 1.0 / (1e-8 * std::fabs(y[i]) + 1e-8);
		return m_ewtResult;
	}
	bool hasErrorWeightsFunction() override { return m_errorWeights; }

	/*! Steady state of node i between the end values: the linear profile. */
	double steadyState(unsigned int i) const {
		return m_tLeft + (m_tRight - m_tLeft) * (i + 0.5) / m_nodes;
	}

	unsigned int						m_nodes;
	double								m_tEnd;
	double								m_a = 1e-6;
	double								m_dx = 0.02;
	double								m_tLeft = 0;
	double								m_tRight = 100;
	bool								m_insulated = false;
	bool								m_errorWeights = false;
	int									m_ewtResult = 0;
	bool								m_useOwnIntegrator = true;
	double								m_t = 0;
	unsigned long						m_ydotCalls = 0;
	std::vector<double>					m_y;
	std::vector<double>					m_y0;
	std::vector<unsigned int>			m_ia;
	std::vector<unsigned int>			m_ja;
	/*! Called first in ydot() with the model time; a non-zero result is returned. May throw. */
	std::function<int(double)>			m_ydotHook;
	VUREDO::OutputScheduler				*m_scheduler = nullptr;
	VUREDO::IntegratorSundialsCVODE		m_cvode;
	std::unique_ptr<VUREDO::LESInterface>		m_les;
	std::unique_ptr<VUREDO::JacobianSparseCSR>	m_jacobian;
	std::vector<std::pair<double, std::vector<double> > >	m_outputs;
	std::vector<double>					m_stepTimes;
};

} // namespace VUREDOTest

#endif // VUREDO_TestModelsH
