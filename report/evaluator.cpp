#include "report/evaluator.h"
