// Rule: A script reaches only the language's built-ins: an unknown name is a ReferenceError, and typeof of it gives "undefined".
// Call: BeforePrintData
// Case: "x" => "undefined undefined undefined"
// Case: "load" => ERROR
function BeforePrintData(Data)
{
  if (Data == "load")
    return require("fs");
  return typeof console + " " + typeof XMLHttpRequest + " " + typeof Qt;
}
