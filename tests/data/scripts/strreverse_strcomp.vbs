' Rule: StrReverse reverses the characters; StrComp gives -1, 0 or 1, without letter case under vbTextCompare.
' Case: "Level" => "leveL|-1|0"
' Case: "abc" => "cba|-1|-1"
Function DataUpdated(Data)
  Dim r
  r = StrReverse(Data)
  DataUpdated = r & "|" & StrComp(Data, r) & "|" & StrComp(Data, r, vbTextCompare)
End Function
