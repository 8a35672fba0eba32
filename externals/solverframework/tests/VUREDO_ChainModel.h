#ifndef VUREDO_ChainModelH
#define VUREDO_ChainModelH

// A chain of nodes with one or two coupled diffusing quantities per node, with an
// analytic solution: the solver combinations of the framework are checked against it.

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <VUREDO_IntegratorInterface.h>
#include <VUREDO_JacobianSparseCSR.h>
#include <VUREDO_LESInterface.h>
#include <VUREDO_ModelInterface.h>
#include <VUREDO_PrecondInterface.h>

namespace VUREDOTest {

/*! N nodes, b = 1 or 2 unknowns per node (unknown c of node i at index i*b + c):
		du_c/dt = k*(u_c(i-1) - 2 u_c(i) + u_c(i+1)) + cpl*(u_other(i) - u_c(i)),
	with zero values beyond both ends. Starting from the first discrete sine mode s_i
	(u_0 = s, u_1 = 0.5 s) the sum u_0 + u_1 decays with lambda = 2k(1 - cos(pi/(N+1)))
	and the difference with lambda + 2 cpl: exact solutions of the semi-discrete system.
*/
class ChainModel : public VUREDO::ModelInterface {
public:
	ChainModel(unsigned int nodes, unsigned int b, double tEnd = 40) :
		m_nodes(nodes), m_b(b), m_tEnd(tEnd), m_y(nodes*b), m_y0(nodes*b)
	{
		for (unsigned int i = 0; i < nodes; ++i) {
			const double s = mode(i);
			m_y0[i*b] = s;
			if (b == 2)
				m_y0[i*b + 1] = 0.5*s;
		}
		m_y = m_y0;
		// pattern: same quantity in the neighbour nodes, the other quantity in the node
		m_ia.push_back(0);
		for (unsigned int row = 0; row < n(); ++row) {
			const unsigned int i = row/b;
			std::vector<unsigned int> cols;
			if (i > 0) cols.push_back(row - b);
			if (b == 2 && row % 2 == 1) cols.push_back(row - 1);
			cols.push_back(row);
			if (b == 2 && row % 2 == 0) cols.push_back(row + 1);
			if (i + 1 < nodes) cols.push_back(row + b);
			m_ja.insert(m_ja.end(), cols.begin(), cols.end());
			m_ia.push_back(static_cast<unsigned int>(m_ja.size()));
		}
	}

	double mode(unsigned int i) const { return std::sin(M_PI*(i + 1)/(m_nodes + 1)); }
	double lambda() const { return 2*m_k*(1 - std::cos(M_PI/(m_nodes + 1))); }

	/*! Exact value of unknown row at time t. */
	double exact(unsigned int row, double t) const {
		const unsigned int i = row/m_b;
		if (m_b == 1)
			return mode(i)*std::exp(-lambda()*t);
		const double sum = 1.5*std::exp(-lambda()*t);
		const double diff = 0.5*std::exp(-(lambda() + 2*m_cpl)*t);
		return mode(i)*(row % 2 == 0 ? 0.5*(sum + diff) : 0.5*(sum - diff));
	}

	std::unique_ptr<VUREDO::JacobianSparseCSR> makeJacobian() const {
		return std::unique_ptr<VUREDO::JacobianSparseCSR>(new VUREDO::JacobianSparseCSR(
			n(), static_cast<unsigned int>(m_ja.size()), m_ia.data(), m_ja.data()));
	}

	unsigned int n() const override { return m_nodes*m_b; }
	const double * y0() const override { return m_y0.data(); }
	double t0() const override { return 0; }
	double dt0() const override { return m_dt0; }
	double tEnd() const override { return m_tEnd; }
	int setTime(double t) override { m_t = t; return 0; }
	int setY(const double * y) override { m_y.assign(y, y + n()); return 0; }
	int ydot(double * ydot) override {
		++m_ydotCalls;
		if (m_ydotHook) {
			int res = m_ydotHook(m_t);
			if (res != 0)
				return res;
		}
		for (unsigned int row = 0; row < n(); ++row) {
			const unsigned int i = row/m_b;
			const double left = i > 0 ? m_y[row - m_b] : 0.0;
			const double right = i + 1 < m_nodes ? m_y[row + m_b] : 0.0;
			ydot[row] = m_k*(left - 2*m_y[row] + right);
			if (m_b == 2)
				ydot[row] += m_cpl*(m_y[row % 2 == 0 ? row + 1 : row - 1] - m_y[row]);
		}
		return 0;
	}

	VUREDO::LESInterface * lesInterface() override { return m_les.get(); }
	VUREDO::IntegratorInterface * integratorInterface() override { return m_integrator.get(); }
	VUREDO::PrecondInterface * preconditionerInterface() override { return m_precond.get(); }
	VUREDO::JacobianInterface * jacobianInterface() override { return m_jacobian.get(); }

	/*! Initialises the model's integrator with its components. */
	void initIntegrator() {
		m_integrator->init(this, t0(), y0(), m_les.get(), m_precond.get(), m_jacobian.get());
	}

	unsigned int						m_nodes;
	unsigned int						m_b;
	double								m_tEnd;
	double								m_k = 1.0;
	double								m_cpl = 0.5;
	double								m_dt0 = 0.01;
	double								m_t = 0;
	unsigned long						m_ydotCalls = 0;
	std::vector<double>					m_y;
	std::vector<double>					m_y0;
	std::vector<unsigned int>			m_ia;
	std::vector<unsigned int>			m_ja;
	/*! Called first in ydot() with the model time; a non-zero result is returned. May throw. */
	std::function<int(double)>			m_ydotHook;

	std::unique_ptr<VUREDO::IntegratorInterface>	m_integrator;
	std::unique_ptr<VUREDO::LESInterface>			m_les;
	std::unique_ptr<VUREDO::PrecondInterface>		m_precond;
	std::unique_ptr<VUREDO::JacobianSparseCSR>		m_jacobian;
};

} // namespace VUREDOTest

#endif // VUREDO_ChainModelH
