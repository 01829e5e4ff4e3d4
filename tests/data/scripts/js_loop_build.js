// Rule: A for loop with a string accumulator builds the text piece by piece; String.fromCharCode and charCodeAt convert between characters and their UTF-16 codes.
// Case: "abc" => "a b c|98"
// Case: "x" => "x|121"
// Case: "" => "|NaN"
function DataUpdated(Data)
{
  var spaced = "";
  for (var i = 0; i < Data.length; i++)
    spaced += (i > 0 ? " " : "") + Data.charAt(i);
  return spaced + "|" + (Data.charCodeAt(0) + 1);
}
