#ifndef VUREDO_BTridiagDQH
#define VUREDO_BTridiagDQH

#include "VUREDO_BTridiagMatrix.h"

namespace VUREDO {

/*! Difference quotients of a block-tridiagonal Jacobian J = df/dy.

	Block columns j with the same j mod 3 never share a block row (corner couplings
	included), so all of them are perturbed together: the whole matrix costs 3*b
	evaluations of f, whatever the number of blocks. Every stored value of M is
	overwritten with scale*J, plus diagShift on the diagonal (scale = -gamma and
	diagShift = 1 give the iteration matrix I - gamma*J).

	y, f0: state and f(y); inc: the increment of every unknown; yTemp, fTemp: work
	vectors of n values (yTemp must hold y on entry and holds it again on return).
	rhs(yTemp, fTemp) evaluates f and returns 0 on success. With stopOnError a non-zero
	result ends the routine with that result (y is restored); otherwise results are ignored.
	Returns 0 or the failing result; evalCount is increased by every evaluation.
*/
template <typename RhsFunc>
int BTridiagDQJacobian(BTridiagMatrix & M, const double * y, const double * f0, const double * inc,
					   double * yTemp, double * fTemp, RhsFunc rhs, double scale, double diagShift,
					   bool stopOnError, unsigned int & evalCount)
{
	const unsigned int nb = M.nBlocks();
	const unsigned int b = M.blockSize();
	for (unsigned int g = 0; g < 3; ++g) {
		for (unsigned int c = 0; c < b; ++c) {
			for (unsigned int j = g; j < nb; j += 3)
				yTemp[j*b + c] += inc[j*b + c];
			int res = rhs(static_cast<const double *>(yTemp), fTemp);
			++evalCount;
			if (res != 0 && stopOnError) {
				for (unsigned int j = g; j < nb; j += 3)
					yTemp[j*b + c] = y[j*b + c];
				return res;
			}
			for (unsigned int j = g; j < nb; j += 3) {
				const unsigned int col = j*b + c;
				yTemp[col] = y[col];
				const double factor = scale/inc[col];
				// column c of the block in block row r that couples to block column j
				auto fillColumn = [&](double * blk, unsigned int r) {
					for (unsigned int l = 0; l < b; ++l)
						blk[l + c*b] = (fTemp[r*b + l] - f0[r*b + l])*factor;
				};
				if (j > 0)
					fillColumn(M.C(j - 1), j - 1);
				if (j == 2)
					fillColumn(M.A(0), 0);
				fillColumn(M.B(j), j);
				M.B(j)[c + c*b] += diagShift;
				if (j + 1 < nb)
					fillColumn(M.A(j + 1), j + 1);
				if (nb >= 3 && j == nb - 3)
					fillColumn(M.C(nb - 1), nb - 1);
			}
		}
	}
	return 0;
}

} // namespace VUREDO

#endif // VUREDO_BTridiagDQH
