// Rule: substring(start, end) takes the characters from start up to but not including end and clamps both to the text; substr(start, length) takes length characters.
// Rule: indexOf gives -1 when the text is not found.
// Case: "ABC-12345-XY" => "12345"
// Case: "NODASH" => "NODASH"
// Case: "A-" => ""
function DataUpdated(Data)
{
  var first = Data.indexOf("-");
  if (first < 0)
    return Data;
  var second = Data.indexOf("-", first + 1);
  if (second < 0)
    second = Data.length;
  return Data.substring(first + 1, second);
}
