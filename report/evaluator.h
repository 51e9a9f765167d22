#ifndef EVALUATOR_H
#define EVALUATOR_H

// The pass/fail rules of the report; every check returns true for a pass.
class Evaluator
{
};

#endif // EVALUATOR_H
