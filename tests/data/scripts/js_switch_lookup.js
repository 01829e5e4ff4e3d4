// Rule: switch compares with strict equality (===), so the text "1" does not match the case 1; a case without break falls through to the next.
// Case: "DE" => "Germany"
// Case: "AT" => "German-speaking"
// Case: "CH" => "German-speaking"
// Case: "1" => "text one"
// Case: "FR" => "other"
function DataUpdated(Data)
{
  switch (Data) {
  case "DE":
    return "Germany";
  case "AT":
  case "CH":
    return "German-speaking";
  case 1:
    return "number one";
  case "1":
    return "text one";
  default:
    return "other";
  }
}
