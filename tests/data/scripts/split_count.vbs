' Rule: Split with a count stops after that many pieces; the last piece keeps the rest of the text.
' Rule: Join with a delimiter puts the pieces back together with it.
' Case: "a b c d" => "a/b/c d"
' Case: "a" => "a"
Function DataUpdated(Data)
  DataUpdated = Join(Split(Data, " ", 3), "/")
End Function
