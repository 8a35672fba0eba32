#include "BVX_UnitData.h"

namespace BVX {

int UnitData::operationFromChar(char c) {
	switch (c) {
		case '+' : return OP_ADD;
		case '-' : return OP_SUB;
		case '*' : return OP_MUL;
		case '/' : return OP_DIV;
		case '%' : return OP_SPECIAL;
		default  : return OP_NONE;
	}
}

} // namespace BVX
