// Rule: A throw that no catch handles ends the call with an error; a try/catch handles it and the catch receives the thrown value.
// Rule: Reading a property of undefined is a TypeError.
// Case: "ok" => "OK"
// Case: "throw" => ERROR
// Case: "catch" => "caught: bad input"
// Case: "undefined" => ERROR
function Check(text)
{
  if (text == "throw" || text == "catch")
    throw "bad input";
  return text.toUpperCase();
}

function DataUpdated(Data)
{
  if (Data == "undefined")
    return Data.no.such;
  if (Data == "catch") {
    try {
      return Check(Data);
    } catch (e) {
      return "caught: " + e;
    }
  }
  return Check(Data);
}
