// Rule: + concatenates when an operand is a string, while - and * convert both operands to numbers; Number of a text that is not numeric is NaN, and NaN differs from itself.
// Rule: Number("") is 0.
// Case: "5" => "51|4|10"
// Case: "2.5" => "2.51|1.5|5"
// Case: "abc" => "abc1|NaN|NaN"
// Case: "" => "1|-1|0"
function DataUpdated(Data)
{
  return (Data + 1) + "|" + (Data - 1) + "|" + (Data * 2);
}
