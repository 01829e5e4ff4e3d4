// Rule: The + operator concatenates when either operand is a string (ECMA-262, the addition operator), and slice with a negative start counts from the end.
// Case: "7" => "00007"
// Case: "12345" => "12345"
// Case: "123456" => "23456"
// Case: "" => "00000"
function DataUpdated(Data)
{
  return ("00000" + Data).slice(-5);
}
