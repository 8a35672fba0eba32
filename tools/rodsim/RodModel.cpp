#include "RodModel.h"

#include <algorithm>
#include <cmath>
#include <iomanip>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>

#include <VUREDO_LESBTridiag.h>
#include <VUREDO_LESBand.h>
#include <VUREDO_LESBiCGStab.h>
#include <VUREDO_LESDense.h>
#include <VUREDO_LESGMRES.h>
#include <VUREDO_LESKLU.h>
#include <VUREDO_PrecondBand.h>
#include <VUREDO_PrecondILU.h>

RodModel::RodModel(const Parameters & p) :
	m_p(p),
	m_n(p.m_nodes * p.m_unknownsPerNode),
	m_dx(p.m_length / p.m_nodes),
	m_t(0),
	m_recoverableDone(false),
	m_outputCount(0),
	m_maxCoolingDeviation(0),
	m_checkpointDone(false)
{
	const char * const FUNC_ID = "[RodModel::RodModel]";
	if (p.m_nodes == 0 || (p.m_unknownsPerNode != 1 && p.m_unknownsPerNode != 2))
		throw BVX::Exception("Invalid rod discretisation (nodes > 0, 1 or 2 unknowns per node).", FUNC_ID);
	m_y.assign(m_n, p.m_tInit);
	m_y0.assign(m_n, p.m_tInit);
	buildPattern();
	if (p.m_les == "KLU") {
		m_jacobian.reset(new VUREDO::JacobianSparseCSR(m_n, static_cast<unsigned int>(m_ja.size()),
													   m_ia.data(), m_ja.data()));
		m_les.reset(new VUREDO::LESKLU);
	}
	else if (p.m_les == "Dense") {
		m_les.reset(new VUREDO::LESDense);
	}
	else if (p.m_les == "Band") {
		m_les.reset(new VUREDO::LESBand(bandWidth(), bandWidth()));
	}
	else if (p.m_les == "BTridiag") {
		m_les.reset(new VUREDO::LESBTridiag(static_cast<int>(nBlocks()), static_cast<int>(blockSize())));
	}
	else if (!createKrylovSolver() && !p.m_les.empty()) {
		throw BVX::Exception(BVX::FormatText("Unknown linear equation solver '%1'.").arg(p.m_les), FUNC_ID);
	}
	if (!p.m_precond.empty() && !m_precond)
		throw BVX::Exception(BVX::FormatText("Preconditioner '%1' needs a Krylov solver (GMRES or BiCGStab).")
							 .arg(p.m_precond), FUNC_ID);
	if (p.m_integrator != "CVODE" && p.m_integrator != "ImplicitEuler")
		throw BVX::Exception(BVX::FormatText("Unknown integrator '%1'.").arg(p.m_integrator), FUNC_ID);
	if (!p.m_outputFile.empty()) {
		m_outputStream.reset(new std::ofstream(p.m_outputFile.c_str()));
		if (!*m_outputStream)
			throw BVX::Exception(BVX::FormatText("Cannot create output file '%1'.").arg(p.m_outputFile), FUNC_ID);
		*m_outputStream << "Time [s]";
		for (unsigned int i = 0; i < m_n; ++i)
			*m_outputStream << "\ty" << i;
		*m_outputStream << '\n';
	}
}


RodModel::~RodModel() {
}


bool RodModel::createKrylovSolver() {
	const char * const FUNC_ID = "[RodModel::createKrylovSolver]";
	if (m_p.m_les == "GMRES")
		m_les.reset(new VUREDO::LESGMRES);
	else if (m_p.m_les == "BiCGStab")
		m_les.reset(new VUREDO::LESBiCGStab);
	else
		return false;
	const int left = 1;
	if (m_p.m_precond == "ILU") {
		m_precond.reset(new VUREDO::PrecondILU(left));
	}
	else if (m_p.m_precond == "Band") {
		int mu = m_p.m_precondMu >= 0 ? m_p.m_precondMu : bandWidth();
		int ml = m_p.m_precondMl >= 0 ? m_p.m_precondMl : bandWidth();
		m_precond.reset(new VUREDO::PrecondBand(ml, mu, left));
	}
	else if (!m_p.m_precond.empty()) {
		throw BVX::Exception(BVX::FormatText("Unknown preconditioner '%1'.").arg(m_p.m_precond), FUNC_ID);
	}
	// the preconditioners take their matrix from the sparse Jacobian
	if (m_p.m_krylovJacobian || m_precond)
		m_jacobian.reset(new VUREDO::JacobianSparseCSR(m_n, static_cast<unsigned int>(m_ja.size()),
													   m_ia.data(), m_ja.data()));
	return true;
}


VUREDO::IntegratorInterface * RodModel::integratorInterface() {
	if (m_p.m_integrator == "ImplicitEuler")
		return &m_implicitEuler;
	return &m_integrator;
}


void RodModel::buildPattern() {
	// full k x k blocks for each node and its neighbours, columns ascending
	const unsigned int k = m_p.m_unknownsPerNode;
	const unsigned int N = m_p.m_nodes;
	m_ia.assign(m_n + 1, 0);
	m_ja.clear();
	for (unsigned int node = 0; node < N; ++node) {
		unsigned int first = node > 0 ? node - 1 : 0;
		unsigned int last = std::min(node + 1, N - 1);
		for (unsigned int a = 0; a < k; ++a) {
			unsigned int row = node * k + a;
			for (unsigned int j = first * k; j < (last + 1) * k; ++j)
				m_ja.push_back(j);
			m_ia[row + 1] = static_cast<unsigned int>(m_ja.size());
		}
	}
}


int RodModel::setTime(double t) {
	m_t = t;
	return VUREDO::MR_Success;
}


int RodModel::setY(const double * y) {
	std::copy(y, y + m_n, m_y.begin());
	return VUREDO::MR_Success;
}


int RodModel::ydot(double * ydot) {
	if (m_p.m_abortAt >= 0 && m_t >= m_p.m_abortAt)
		return VUREDO::MR_Abort;
	if (m_p.m_recoverableAt >= 0 && !m_recoverableDone && m_t >= m_p.m_recoverableAt) {
		m_recoverableDone = true;
		return VUREDO::MR_RecoverableError;
	}
	const unsigned int k = m_p.m_unknownsPerNode;
	const unsigned int N = m_p.m_nodes;
	const double a[2] = { m_p.m_conductivity / m_p.m_heatCapacity, m_p.m_diffusivity2 };
	for (unsigned int f = 0; f < k; ++f) {
		const double c = a[f] / (m_dx * m_dx);
		for (unsigned int i = 0; i < N; ++i) {
			// the end values act at the outer faces, dx/2 away: twice the conductance
			double left = i > 0 ? c * (m_y[(i - 1) * k + f] - m_y[i * k + f])
								: 2 * c * (m_p.m_tLeft - m_y[i * k + f]);
			double right = i + 1 < N ? c * (m_y[(i + 1) * k + f] - m_y[i * k + f])
									 : 2 * c * (m_p.m_tRight - m_y[i * k + f]);
			ydot[i * k + f] = left + right;
		}
	}
	if (k == 2) {
		for (unsigned int i = 0; i < N; ++i) {
			double exchange = m_p.m_kappa * (m_y[2 * i + 1] - m_y[2 * i]);
			ydot[2 * i] += exchange;
			ydot[2 * i + 1] -= exchange;
		}
	}
	return VUREDO::MR_Success;
}


void RodModel::writeOutputs(double t, const double * y) {
	++m_outputCount;
	m_lastOutput.assign(y, y + m_n);
	m_maxCoolingDeviation = std::max(m_maxCoolingDeviation, std::fabs(y[0] - coolingSolution(t)));
	if (!m_outputStream)
		return;
	std::ostream & out = *m_outputStream;
	out << std::setprecision(10) << t;
	for (unsigned int i = 0; i < m_n; ++i)
		out << '\t' << y[i];
	out << '\n';
}


void RodModel::stepCompleted(double t, const double *) {
	if (m_p.m_checkpointAt >= 0 && !m_checkpointDone && t >= m_p.m_checkpointAt) {
		m_checkpointDone = true;
		checkpoint(t);
	}
}


std::vector<char> RodModel::serializeSolver() const {
	const VUREDO::LESInterface * les = m_les.get();
	const VUREDO::PrecondInterface * precond = m_precond.get();
	const VUREDO::JacobianInterface * jacobian = m_jacobian.get();
	std::size_t size = m_integrator.serializationSize();
	size += les != nullptr ? les->serializationSize() : 0;
	size += precond != nullptr ? precond->serializationSize() : 0;
	size += jacobian != nullptr ? jacobian->serializationSize() : 0;
	std::vector<char> buf(size);
	void * p = buf.data();
	m_integrator.serialize(p);
	if (les != nullptr) les->serialize(p);
	if (precond != nullptr) precond->serialize(p);
	if (jacobian != nullptr) jacobian->serialize(p);
	if (static_cast<char *>(p) != buf.data() + buf.size())
		throw BVX::Exception("Serialized size differs from the announced size.", "[RodModel::serializeSolver]");
	return buf;
}


void RodModel::checkpoint(double t) {
	const char * const FUNC_ID = "[RodModel::checkpoint]";
	if (m_p.m_integrator != "CVODE")
		throw BVX::Exception("Checkpoints need the CVODE integrator.", FUNC_ID);
	std::vector<char> saved = serializeSolver();

	// a freshly initialised integrator of the same problem takes over
	m_integrator.init(this, t0(), y0(), m_les.get(), m_precond.get(), m_jacobian.get());
	std::vector<char> data(saved);
	void * p = data.data();
	m_integrator.deserialize(p);
	if (m_les) m_les->deserialize(p);
	if (m_precond) m_precond->deserialize(p);
	if (m_jacobian) m_jacobian->deserialize(p);
	if (serializeSolver() != saved)
		throw BVX::Exception(BVX::FormatText("Solver state at t=%1 s differs after a serialization round trip.").arg(t),
							 FUNC_ID);
	// init() dropped the statistics streams of the first half of the run
	if (!m_p.m_logDirectory.empty()) {
		m_integrator.writeStatisticsHeader(m_p.m_logDirectory, true);
		if (m_les) m_les->writeStatisticsHeader(m_p.m_logDirectory, true);
		if (m_precond) m_precond->writeStatisticsHeader(m_p.m_logDirectory, true);
	}
	BVX::BVX_Message(BVX::FormatText("Checkpoint at t=%1 s: %2 bytes, serialized again identically.\n")
					 .arg(t).arg(static_cast<unsigned long>(saved.size())), BVX::MSG_PROGRESS, FUNC_ID, 0);
}


double RodModel::nextOutputTime(double t) {
	// the faulty schedule repeats its first output time
	if (m_p.m_badScheduler && t >= m_p.m_outputStep)
		return t;
	double k = std::floor((t + 1e-10) / m_p.m_outputStep);
	return (k + 1) * m_p.m_outputStep;
}


double RodModel::steadyState(unsigned int i) const {
	unsigned int node = i / m_p.m_unknownsPerNode;
	double x = (node + 0.5) / m_p.m_nodes;
	return m_p.m_tLeft + (m_p.m_tRight - m_p.m_tLeft) * x;
}


double RodModel::maxSteadyStateDeviation(const double * y) const {
	double dev = 0;
	for (unsigned int i = 0; i < m_n; ++i)
		dev = std::max(dev, std::fabs(y[i] - steadyState(i)));
	return dev;
}


double RodModel::coolingSolution(double t) const {
	double tau = m_p.m_heatCapacity * m_dx * m_dx / (4 * m_p.m_conductivity);
	return m_p.m_tLeft + (m_p.m_tInit - m_p.m_tLeft) * std::exp(-t / tau);
}
